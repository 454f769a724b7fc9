// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <exception>

namespace trivia {

using HResult = int32_t;

constexpr HResult hr(uint32_t code) {
    return static_cast<HResult>(code);
}

// The standard values, so that results read the same to any host.
inline constexpr HResult S_OK = 0;
inline constexpr HResult S_FALSE = 1;
inline constexpr HResult E_NOTIMPL = hr(0x80004001);
inline constexpr HResult E_NOINTERFACE = hr(0x80004002);
inline constexpr HResult E_POINTER = hr(0x80004003);
inline constexpr HResult E_FAIL = hr(0x80004005);
inline constexpr HResult E_UNEXPECTED = hr(0x8000FFFF);
inline constexpr HResult E_OUTOFMEMORY = hr(0x8007000E);
inline constexpr HResult E_INVALIDARG = hr(0x80070057);
inline constexpr HResult CLASS_E_NOAGGREGATION = hr(0x80040110);
inline constexpr HResult CLASS_E_CLASSNOTAVAILABLE = hr(0x80040111);
inline constexpr HResult SELFREG_E_TYPELIB = hr(0x80040200);
inline constexpr HResult SELFREG_E_CLASS = hr(0x80040201);
inline constexpr HResult DISP_E_MEMBERNOTFOUND = hr(0x80020003);
inline constexpr HResult DISP_E_TYPEMISMATCH = hr(0x80020005);
inline constexpr HResult DISP_E_UNKNOWNNAME = hr(0x80020006);
inline constexpr HResult DISP_E_EXCEPTION = hr(0x80020009);
inline constexpr HResult DISP_E_OVERFLOW = hr(0x8002000A);
inline constexpr HResult DISP_E_BADINDEX = hr(0x8002000B);
inline constexpr HResult DISP_E_BADPARAMCOUNT = hr(0x8002000E);

inline bool succeeded(HResult r) {
    return r >= 0;
}
inline bool failed(HResult r) {
    return r < 0;
}

QString resultText(HResult r); // "0x80040111 (CLASS_E_CLASSNOTAVAILABLE)"

// The error a control operation raises; dispatch turns it into a result for its caller.
class ComError : public std::exception {
public:
    ComError(HResult code, QString description)
        : code_(code), description_(std::move(description)) {}
    HResult code() const { return code_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return "control error"; }

private:
    HResult code_;
    QString description_;
};

} // namespace trivia
