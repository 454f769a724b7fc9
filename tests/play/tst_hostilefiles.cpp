// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/gamefolders.h"
#include "play/programstate.h"
#include "play/quizlog.h"
#include "recordingvoice.h"
#include "app/formsui.h"
#include "widgets/picturebox.h"
#include "widgets/textwindow.h"
#include "hostilepicture.h"
#include "testfolder.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <sys/stat.h>

// Odd things in place of every file the game reads or appends to: each reader refuses at
// once and the game goes on. A FIFO never gets a writer, so a reader that waited would hang:
// QtTest's watchdog then ends the row, and the sanitizer ends one that reads without end.
namespace {

// The port with the message boxes kept instead of shown; the help viewer cannot be started,
// so the help falls back to the game's own window.
class KeptMessages : public FormsUi {
public:
    KeptMessages() : FormsUi("/no/such/viewer") {}
    void message(const QString& text) override { messages << text; }
    QStringList messages;
};

// What the file is, to see that a reader left it as it was.
QString kindOf(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) return "link to " + info.symLinkTarget();
    if (info.isDir()) return "folder";
    if (!info.isFile()) return info.exists() ? "special" : "missing";
    return QString("file of %1 bytes").arg(info.size());
}

void makeHostile(const QString& kind, const QString& path, const QByteArray& genuine) {
    if (kind == "FIFO") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "link to /dev/zero") QVERIFY(QFile::link("/dev/zero", path));
    if (kind == "folder") QVERIFY(QDir().mkdir(path));
    if (kind == "file of 100 MB" || kind == "picture of 60000 x 60000") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kind == "file of 100 MB" ? genuine : hugePicture());
        // Sparse: costs no disk.
        if (kind == "file of 100 MB") QVERIFY(file.resize(100 * 1024 * 1024));
    }
}

QWidget* textWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "textWindow") return w;
    return nullptr;
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    // Qt's own guard against huge pictures differs between versions and a desktop may lift it
    // (QT_IMAGEIO_MAXALLOC): the game must not rely on it.
    void initTestCase() { QImageReader::setAllocationLimit(0); }
    void theGameGoesOn_data();
    void theGameGoesOn();
};

void TestHostileFiles::theGameGoesOn_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QByteArray>("genuine");
    // What a genuine file there starts with: what a reader that took the odd file would see.
    const QList<std::pair<QString, QByteArray>> places{
        {"velkquiz.log at start", "---- Question 1\r\n"},
        {"velkquiz.log at Play", "---- Question 1\r\n"},
        {"player.ini read", "[General]\nreadAloud=true\n"},
        {"player.ini kept", "[General]\nreadAloud=true\n"},
        {"picture", smallPicture()},
        {"velkhelp.txt", "How to play\r\n"},
        {"velkhelp.txt in the game's window", "How to play\r\n"},
        {"velk.dat copied at the first start", "\"Lion\",\"Lion\""},
    };
    for (const auto& [place, genuine] : places) {
        const bool log = place.startsWith("velkquiz.log");
        for (const QString kind : {"FIFO", "link to /dev/zero", "folder", "file of 100 MB",
                                   "picture of 60000 x 60000"}) {
            // A log grows without end by design; only a picture has pixels.
            if ((log && kind == "file of 100 MB") ||
                (place != "picture" && kind.startsWith("picture")))
                continue;
            QTest::addRow("%s as %s", qPrintable(kind), qPrintable(place))
                << kind << place << genuine;
        }
    }
}

void TestHostileFiles::theGameGoesOn() {
    QFETCH(QString, kind);
    QFETCH(QString, place);
    QFETCH(QByteArray, genuine);
    TestFolder folder;
    KeptMessages ui;
    ProgramState state(ui);
    const QString name = place.section(' ', 0, 0);
    const QString path = folder.file(place == "picture" ? "lion.jpg" : name);
    makeHostile(kind, path, genuine);
    const QString before = kindOf(path);

    if (place == "velkquiz.log at start") clearLog(state);
    if (place == "velkquiz.log at Play") logLine(state, "---- Question 1", 2, 0);
    if (place.startsWith("player.ini")) {
        RecordingVoice voice;
        state.speech.attach(voice);
        state.speech.load(path);
        QVERIFY(!state.speech.on());
        if (place == "player.ini kept") {
            // The choice holds for the run; the odd file is neither read nor replaced.
            QVERIFY(state.speech.setOn(true));
            QCOMPARE(ui.messages.size(), 1);
            QVERIFY2(ui.messages[0].contains("could not be kept"), qPrintable(ui.messages[0]));
        }
    }
    if (place == "picture") QVERIFY(readPicture(path, QSize(80, 60), 1).isNull());
    if (place == "velkhelp.txt") {
        ui.openTextViewer(path);
        QTRY_COMPARE(ui.messages.size(), 1);
        QVERIFY2(ui.messages[0].startsWith(path + " could not be opened: "),
                 qPrintable(ui.messages[0]));
        QVERIFY(!textWindow());
    }
    if (place == "velkhelp.txt in the game's window") {
        QVERIFY(!TextWindow::open(path, nullptr).isEmpty());
        QVERIFY(!textWindow());
    }
    if (place == "velk.dat copied at the first start") {
        const GameFolders folders{folder.file("work"), folder.path()};
        const QString problem = prepareWorkFolder(folders);
        QVERIFY2(problem.contains("velk.dat could not be copied"), qPrintable(problem));
        QVERIFY(!QFileInfo::exists(folder.file("work/velk.dat")));
    }
    // A child hears of none of it; only the help and the switch a parent pressed say why.
    const bool told = place == "velkhelp.txt" || place == "player.ini kept";
    QCOMPARE(ui.messages.size(), told ? 1 : 0);
    QCOMPARE(kindOf(path), before);
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
