// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// velk.dat files that once read differently in the game and in the data-file control. Both
// test programs read every row and must agree with it: the names of the first animal, or a
// refusal.

#include <QByteArray>
#include <QString>

#include <vector>

struct TrickyAnimalFile {
    const char* tag;
    QByteArray bytes;
    QString name; // of the first animal; empty with `refused`
    QString fullName;
    bool refused = false;
};

inline std::vector<TrickyAnimalFile> trickyAnimalFiles() {
    const QByteArray rest = ",1,0,1,1,0,1,0,0,0,0,0,0,0,0\r\n";
    const QByteArray second = "\"Owl\",\"Barn owl\",\"owl.jpg\"" + rest;
    const QString chameleon = QString::fromUtf8("Chamäleon");
    return {
        {"plain", "\"Lion\",\"African lion\",\"lion.jpg\"" + rest + second, "Lion", "African lion"},
        {"leading blank line", "\r\n\"Lion\",\"African lion\",\"lion.jpg\"" + rest + second, "Lion",
         "African lion"},
        {"leading blanks and tabs on empty lines",
         "  \r\n\t\r\n  \"Lion\",\"African lion\",\"lion.jpg\"" + rest, "Lion", "African lion"},
        {"UTF-8", "\"Cham\xc3\xa4leon\",\"Jackson\xe2\x80\x99s cham\xc3\xa4leon\",\"c.jpg\"" + rest,
         chameleon, QString::fromUtf8("Jackson’s chamäleon")},
        {"Windows-1252", "\"Cham\xe4leon\",\"Jackson\x92s cham\xe4leon\",\"c.jpg\"" + rest,
         chameleon, QString::fromUtf8("Jackson’s chamäleon")},
        {"byte-order mark", "\xef\xbb\xbf\"Lion\",\"African lion\",\"lion.jpg\"" + rest, "Lion",
         "African lion"},
        {"end-of-file mark", "\"Lion\",\"African lion\",\"lion.jpg\"" + rest + second + "\x1a",
         "Lion", "African lion"},
        {"plain texts with blanks around", "  Lion  ,\tAfrican lion ,lion.jpg" + rest, "Lion",
         "African lion"},
        {"comma inside quotes", "\"Lion, African\",\"Big cat\",\"lion.jpg\"" + rest,
         "Lion, African", "Big cat"},
        {"junk after a closing quote", "\"Lion\" x,\"African lion\"y,\"lion.jpg\"" + rest, "Lion",
         "African lion"},
        {"line feeds only", "\"Lion\",\"African lion\",\"lion.jpg\"" + rest.chopped(2) + "\n",
         "Lion", "African lion"},
        {"carriage returns only", "\"Lion\"\r\"African lion\"\r\"lion.jpg\"" + rest, "Lion",
         "African lion"},
        {"one value a line", "\"Lion\"\r\n\"African lion\"\r\n\"lion.jpg\"" + rest, "Lion",
         "African lion"},
        {"line end inside quotes", "\"Sea\r\nlion\",\"\",\"s.jpg\"" + rest, "Sea\r\nlion", ""},
        {"quote inside a plain text", "Say \"cheese\",\"Cheese\",\"c.jpg\"" + rest, "", "", true},
        {"no closing quote", "\"Lion,African lion,lion.jpg" + rest, "", "", true},
        {"name of 1001 characters", "\"" + QByteArray(1001, 'x') + "\",\"x\",\"x.jpg\"" + rest, "",
         "", true},
    };
}
