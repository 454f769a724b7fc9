// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "framework/interfaces.h"

#include "formats/result.h"

#include <array>
#include <functional>
#include <optional>

class QIODevice;

namespace trivia {

// The data-file and web-link control without its widgets: Command1 shows the two names of the
// first animal in velk.dat, Command2 opens the maker's page in WebBrowser1.
class FileModel {
public:
    static inline const QString dataFile = QStringLiteral("velk.dat");
    static inline const QString makerPage = QStringLiteral("https://morvane.example/");
    // The browser's navigate operation, called late-bound with the address as its argument.
    static constexpr int32_t navigateId = 104;

    std::function<void(const QString&)> message; // one OK button; returns when closed
    std::function<void()> shown;                 // Text1 changed
    IDispatch* browser = nullptr;                // WebBrowser1, not owned

    const QString& text1() const { return text1_; }

    void Command1_Click();
    void Command2_Click();

    // The first three values of a data file: the two names and the picture of the first
    // animal. On failure, nothing and the reason.
    static Result<std::array<QString, 3>> firstRecord(QIODevice& in);

private:
    QString text1_ = QStringLiteral("Text1");
};

} // namespace trivia
