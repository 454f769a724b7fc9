// SPDX-License-Identifier: GPL-2.0-or-later
// The data-file and web-link control: reading velk.dat, and the browser link.

#include "fakes.h"
#include "testmain.h"
#include "trickyanimalfiles.h"

#include "file/ctlfile.h"
#include "file/fileview.h"

#include <QBuffer>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <sys/stat.h>

using namespace trivia;

namespace {

// A browser that notes what it is asked to do.
struct RecordingBrowser : IDispatch {
    QStringList* log;
    explicit RecordingBrowser(QStringList* l) : log(l) {}
    HResult QueryInterface(const Guid&, void**) override { return E_NOINTERFACE; }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HResult GetTypeInfoCount(uint32_t*) override { return E_NOTIMPL; }
    HResult GetTypeInfo(uint32_t, uint32_t, ITypeInfo**) override { return E_NOTIMPL; }
    HResult GetIDsOfNames(const Guid&, const QString*, uint32_t, uint32_t, int32_t*) override {
        return E_NOTIMPL;
    }
    HResult Invoke(int32_t id, const Guid&, uint32_t, uint16_t flags, DispParams* p, Variant*,
                   ExcepInfo*, uint32_t*) override {
        *log << QStringLiteral("invoke %1 flags %2 args %3: %4")
                    .arg(id)
                    .arg(flags)
                    .arg(p->count)
                    .arg(p->args[0].toString());
        return S_OK;
    }
};

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// A ctlFile with its widgets, in a folder of its own.
struct Fixture {
    QTemporaryDir dir;
    QString oldDir = QDir::currentPath();
    CtlFile* control = new CtlFile(triviaTypeLib());
    QStringList log;

    Fixture() {
        QDir::setCurrent(dir.path());
        QWidget* w = nullptr;
        control->GetWidget(nullptr, &w);
        control->model().message = [this](const QString& m) {
            log << QStringLiteral("message: ") + m + QStringLiteral(" at ") +
                       browser()->url().toString();
        };
    }
    ~Fixture() {
        control->Release();
        QDir::setCurrent(oldDir);
    }
    QString text1() const { return control->view()->findChild<QLineEdit*>("Text1")->text(); }
    void press(const char* button) {
        QTest::mouseClick(control->view()->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QWebEngineView* browser() const { return control->view()->browserView(); }
};

} // namespace

class FileTest : public QObject {
    Q_OBJECT

private slots:
    // The game reads the same table in its own tests: both must agree on every row.
    void readsTheFirstAnimalAsTheGameDoes() {
        for (const TrickyAnimalFile& file : trickyAnimalFiles()) {
            QByteArray bytes = file.bytes;
            QBuffer in(&bytes);
            in.open(QIODevice::ReadOnly);
            const auto record = FileModel::firstRecord(in);
            QVERIFY2(bool(record) != file.refused, file.tag);
            if (!record) {
                QVERIFY2(record.error().startsWith("velk.dat cannot be read: "), file.tag);
                continue;
            }
            QVERIFY2((*record)[0] == file.name, file.tag);
            QVERIFY2((*record)[1] == file.fullName, file.tag);
        }
    }

    void command1ShowsTheFirstAnimal() {
        Fixture f;
        QCOMPARE(f.text1(), QStringLiteral("Text1"));
        writeFile("velk.dat",
                  "\"Lion\",\"African lion\",\"lion.jpg\",1,0,1,1,0,1,0,0,0,0,0,0,0,0\r\n"
                  "\"Ant\",\"Red ant\",\"ant.jpg\",1,0,1,1,0,1,0,0,0,0,0,0,0,0\r\n");
        f.press("Command1");
        QCOMPARE(f.text1(), QStringLiteral("Lion\r\nAfrican lion"));
        // The file is free again: it can be replaced and read a second time.
        writeFile("velk.dat", "\"Ant\",\"Red ant\",\"ant.jpg\"\r\n");
        f.press("Command1");
        QCOMPARE(f.text1(), QStringLiteral("Ant\r\nRed ant"));
    }

    void command1ExplainsABadFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("shown");
        QTest::newRow("missing") << QByteArray() << "velk.dat could not be read: ";
        QTest::newRow("empty") << QByteArray("") << "velk.dat holds fewer than three values.";
        QTest::newRow("two values") << QByteArray("\"Lion\",\"African lion\"\r\n")
                                    << "velk.dat holds fewer than three values.";
        QTest::newRow("far too large")
            << QByteArray(5 * 1024 * 1024, ' ') << "velk.dat could not be read: it is larger than";
    }
    void command1ExplainsABadFile() {
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        Fixture f;
        if (!content.isNull()) writeFile("velk.dat", content);
        f.press("Command1");
        QVERIFY2(f.text1().startsWith(shown), qPrintable(f.text1()));
        f.press("Command1");
        QVERIFY(f.text1().startsWith(shown));
    }

    void command1RefusesAFifoAtOnce() {
        Fixture f;
        QCOMPARE(::mkfifo("velk.dat", 0600), 0);
        f.press("Command1");
        QCOMPARE(f.text1(), QStringLiteral("velk.dat could not be read: it is not a regular file"));
    }

    void command2SaysReadToLinkThenNavigates() {
        QStringList log;
        RecordingBrowser browser(&log);
        FileModel model;
        model.message = [&](const QString& m) { log << QStringLiteral("message: ") + m; };
        model.browser = &browser;
        model.Command2_Click();
        QCOMPARE(log, QStringList({"message: read to link",
                                   "invoke 104 flags 1 args 1: https://morvane.example/"}));
    }

    void embeddedBrowserIsSentToTheMakersPage() {
        Fixture f;
        QCOMPARE(f.browser()->objectName(), QStringLiteral("WebBrowser1"));
        QSignalSpy started(f.browser(), &QWebEngineView::loadStarted);
        f.press("Command2");
        QCOMPARE(f.log, QStringList({"message: read to link at "}));
        QTRY_VERIFY(started.count() > 0);
        QCOMPARE(f.browser()->page()->requestedUrl(), QUrl(FileModel::makerPage));
    }

    void layout() {
        Fixture f;
        QCOMPARE(f.control->view()->size(), QSize(320, 240));
        QCOMPARE(f.browser()->geometry(), QRect(208, 16, 73, 49));
        QCOMPARE(f.control->view()->findChild<QPushButton*>("Command2")->text(),
                 QStringLiteral("link to morvane"));
        QCOMPARE(f.control->Save(nullptr, 0, 0), E_POINTER);
        RecordingBag bag;
        QCOMPARE(f.control->Save(&bag, 1, 0), S_OK);
        QVERIFY(bag.writes.isEmpty());
    }
};

TRIVIA_TEST_MAIN(FileTest)
#include "tst_file.moc"
