// SPDX-License-Identifier: GPL-2.0-or-later
// Hostile files: how long and how much memory the readers take for what was once slow or
// huge. A property bag of 65,536 keys (once 28 s), a 300 MB velk.dat (once 0.94 GB and 5 s),
// a value of a million digits in a message (once a box 32,767 px high), a 200 MB player.ini
// (once 17 s before the menu), a picture claiming 60000 x 60000 pixels (once minutes where
// Qt's own limit was lifted).
#include "formats/textfile.h"
#include "framework/propertybag.h"
#include "knowledge/animalfile.h"
#include "play/speech.h"
#include "hostilepicture.h"
#include "silentui.h"
#include "widgets/picturebox.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

class CountingUi : public SilentUi {
public:
    void message(const QString& text) override { lastLength = text.size(); }
    qsizetype lastLength = 0;
};

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void report(const char* what, const QElapsedTimer& t, const QString& detail) {
    std::printf("%-44s %9.1f ms   peak RSS %6ld MB   %s\n", what, t.nsecsElapsed() / 1e6,
                peakKilobytes() / 1024, qPrintable(detail));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    CountingUi ui;

    QString bag = "Class={98EA3F4B-2884-4DBB-9BCD-30B827A7D779}\n";
    for (int i = 0; i < 65536; ++i)
        bag += QString("Key%1=string:value\n").arg(i);
    QElapsedTimer t;
    t.start();
    const auto loaded = trivia::MemoryPropertyBag::fromText(bag, nullptr);
    report("property bag of 65,536 keys (1.3 MB) read", t,
           QString("%1 keys").arg(loaded ? loaded->keys().size() : -1));

    {
        QFile huge("velk.dat");
        huge.open(QIODevice::WriteOnly);
        huge.resize(300LL * 1024 * 1024); // sparse: costs no disk
    }
    auto kb = std::make_unique<Knowledge>();
    t.start();
    loadAnimalFile(*kb, ui);
    report("velk.dat of 300 MB refused", t, QString("message of %1 characters").arg(ui.lastLength));

    QByteArray number = "\"Lion\",\"Lion\",\"l.jpg\",";
    number += QByteArray(1'000'000, '7') + ",0,1,1,0,1,0,0,0,0,0,0,0,0\r\n";
    QBuffer in(&number);
    in.open(QIODevice::ReadOnly);
    t.start();
    const QString message = readAnimals(in, *kb).error();
    report("velk.dat with a number of 10^6 digits", t,
           QString("message of %1 characters").arg(message.size()));

    {
        QFile ini("player.ini");
        ini.open(QIODevice::WriteOnly);
        ini.write("[General]\nreadAloud=true\n");
        ini.resize(200LL * 1024 * 1024);
    }
    Speech speech(ui);
    t.start();
    speech.load("player.ini");
    report("player.ini of 200 MB at start", t, speech.on() ? "read" : "left unread");

    // A small picture whose header claims 60000 x 60000 pixels, with Qt's own limit lifted.
    const QByteArray jpeg = hugePicture();
    {
        QFile picture("huge.jpg");
        picture.open(QIODevice::WriteOnly);
        picture.write(jpeg);
    }
    QImageReader::setAllocationLimit(0);
    t.start();
    const QPixmap shown = readPicture("huge.jpg", QSize(400, 300), 1);
    report("picture claiming 60000 x 60000 pixels", t, shown.isNull() ? "refused" : "decoded");
    return 0;
}
