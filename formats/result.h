// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <utility>

// Why a file could not be read or written, as a phrase for a message ("it is a folder"), and
// whether it simply is not there: a missing file is often no fault at all.
struct Failure {
    QString error;
    bool missing = false;
};

// What reading or writing a file gave: its value, or the Failure. A Failure converts to a
// Result of any kind, so one step hands on the failure of the step before as it is.
template <class T> class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : failure_(std::move(failure)) {}

    explicit operator bool() const { return value_.has_value(); }
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    T&& operator*() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }

    const Failure& failure() const { return failure_; }
    const QString& error() const { return failure_.error; }
    bool missing() const { return failure_.missing; }

private:
    std::optional<T> value_;
    Failure failure_;
};

// A write, or a check, that gives nothing but whether it worked.
template <> class Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failed_(true), failure_(std::move(failure)) {}

    explicit operator bool() const { return !failed_; }

    const Failure& failure() const { return failure_; }
    const QString& error() const { return failure_.error; }
    bool missing() const { return failure_.missing; }

private:
    bool failed_ = false;
    Failure failure_;
};
