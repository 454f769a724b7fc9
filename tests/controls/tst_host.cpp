// SPDX-License-Identifier: GPL-2.0-or-later
// trivia-host driving the real library: registry → load → create → edit → save → reload.

#include "library.h"
#include "testmain.h"

#include "host/hostwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>

using namespace trivia;

Q_DECLARE_METATYPE(trivia::Variant)
Q_DECLARE_METATYPE(trivia::HostStep)

namespace {

QAction* action_(const QMainWindow& w, const char* text) {
    for (QAction* a : w.findChild<QToolBar*>("toolbar")->actions())
        if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
}

QStringList texts(const QListWidget* list) {
    QStringList l;
    for (int i = 0; i < list->count(); ++i)
        l << list->item(i)->text();
    return l;
}

} // namespace

class HostTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString oldDir_ = QDir::currentPath();

private slots:
    void initTestCase() {
        qputenv("CONTROLS_REGISTRY", dir_.filePath("registry").toUtf8());
        QDir::setCurrent(dir_.path());
        ControlLibrary lib(QStringLiteral(TRIVIA_LIBRARY));
        QVERIFY(lib.load(nullptr));
        QCOMPARE(lib.registerServer(), S_OK);
    }
    void cleanupTestCase() { QDir::setCurrent(oldDir_); }

    void listsTheRegisteredControls() {
        HostWindow w;
        const QStringList items = texts(w.findChild<QListWidget*>("controls"));
        QCOMPARE(items.size(), 2);
        QVERIFY(items[0].startsWith("triviactl.ctlQsort\n/"));
        QVERIFY(items[1].startsWith("triviactl.ctlFile\n/"));
        // The toolbox bitmaps come out of the library, which goes again at once.
        for (int i = 0; i < 2; ++i)
            QVERIFY(!w.findChild<QListWidget*>("controls")->item(i)->icon().isNull());
        QVERIFY(!libraryMapped());
        QVERIFY(!w.findChild<QLabel*>("registerHint")->isVisibleTo(&w));
    }

    void emptyStartSaysHowToRegister() {
        const QByteArray registry = qgetenv("CONTROLS_REGISTRY");
        qputenv("CONTROLS_REGISTRY", dir_.filePath("empty-registry").toUtf8());
        HostWindow w;
        QVERIFY(texts(w.findChild<QListWidget*>("controls")).isEmpty());
        QVERIFY(w.findChild<QLabel*>("registerHint")->isVisibleTo(&w));
        QVERIFY(w.findChild<QLabel*>("containerHint")->isVisibleTo(&w));
        for (const char* action : {"Release", "Save…"})
            QVERIFY(!action_(w, action)->isEnabled());
        // The library built beside the program is offered by name.
        auto* found = w.findChild<QPushButton*>("registerFound");
        QVERIFY(found->isVisibleTo(&w));
        QCOMPARE(found->text(), QStringLiteral("Register libtrivia.so"));
        QVERIFY(w.findChild<QLabel*>("registerHint")->text().endsWith(libraryPath()));
        found->click();
        QCOMPARE(texts(w.findChild<QListWidget*>("controls")).size(), 2);
        QCOMPARE(w.findChild<QLabel*>("message")->text(),
                 "Registered " + libraryPath() + " (2 controls listed).");
        QVERIFY(!w.findChild<QLabel*>("registerHint")->isVisibleTo(&w));
        QVERIFY(w.createControl("triviactl.ctlQsort"));
        QVERIFY(!w.findChild<QLabel*>("containerHint")->isVisibleTo(&w));
        for (const char* action : {"Release", "Save…"})
            QVERIFY(action_(w, action)->isEnabled());
        action_(w, "Release")->trigger();
        QVERIFY(!action_(w, "Save…")->isEnabled());
        qputenv("CONTROLS_REGISTRY", registry);
    }

    void messagesStayUntilReplaced() {
        HostWindow w;
        w.show();
        auto* message = w.findChild<QLabel*>("message");
        QVERIFY(!w.createControl("triviactl.nothing"));
        QCOMPARE(message->text(), QStringLiteral("triviactl.nothing is not registered."));
        QStatusTipEvent tip{QString()}; // what pointing at a toolbar button sends
        QCoreApplication::sendEvent(&w, &tip);
        QTest::qWait(50);
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), QStringLiteral("triviactl.nothing is not registered."));
        QVERIFY(!w.run({"--set", "xlabel1"}));
        QCOMPARE(message->text(), QStringLiteral("--set xlabel1: expected NAME=VALUE"));
    }

    // A number set by a person stays a number until a move turns it into text.
    void kindsOfValues() {
        HostWindow w;
        QVERIFY(w.createControl("triviactl.ctlQsort"));
        auto kind = [&](const char* name) {
            return w.findChild<QComboBox*>(QStringLiteral("kind of ") + name);
        };
        QCOMPARE(kind("item0")->currentText(), QStringLiteral("integer"));
        QVERIFY(!kind("ForeColor"));
        for (int k = 0; k < 5; ++k)
            QVERIFY(w.setFromText(QStringLiteral("item%1").arg(k), QString::number(10 * (k + 1))));
        QVERIFY(w.setFromText("curlist0", "boolean:True"));
        QCOMPARE(w.host().property("item2"), Variant(int16_t(30)));
        QCOMPARE(w.host().property("curlist0"), Variant(true));
        QVERIFY(w.callMethod("updatelist"));
        auto* list = w.host().widget()->findChild<QListWidget*>("List1");
        list->setCurrentRow(2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
        QTRY_COMPARE(kind("item1")->currentText(), QStringLiteral("string"));
        QCOMPARE(kind("item2")->currentText(), QStringLiteral("integer"));
        emit kind("item1")->textActivated(QStringLiteral("double"));
        QCOMPARE(w.host().property("item1"), Variant(30.0));
        QCOMPARE(kind("item1")->currentText(), QStringLiteral("double"));
        QVERIFY(w.setFromText("item3", "Elephant")); // no number: it goes as text
        QCOMPARE(kind("item3")->currentText(), QStringLiteral("string"));
        QVERIFY(!w.setFromText("item4", "integer:big"));
        QCOMPARE(w.findChild<QLabel*>("message")->text(),
                 QStringLiteral("item4 was not set: \"big\" is not a value of the kind integer"));
    }

    void loadErrorNamesTheKey() {
        const QString path = dir_.filePath("red.bag");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Class={98EA3F4B-2884-4DBB-9BCD-30B827A7D779}\nForeColor=string:red\n");
        f.close();
        HostWindow w;
        QVERIFY(!w.loadFrom(path));
        QCOMPARE(w.findChild<QLabel*>("message")->text(),
                 QStringLiteral("Not loaded: Cannot create triviactl.ctlQsort: ForeColor: Type "
                                "mismatch: \"red\" is not a number"));
        QVERIFY(!libraryMapped());
    }

    void qsortIsCreatedEditedSavedAndReloaded() {
        HostWindow w;
        w.setFont(QFont("Serif", 13));
        w.host().setAmbientFont(w.font());
        QVERIFY(w.createControl("triviactl.ctlQsort"));
        QVERIFY(libraryMapped());
        auto* table = w.findChild<QTableWidget*>("properties");
        QCOMPARE(table->rowCount(), 24);
        QVERIFY(w.findChild<QPushButton*>("call updatelist"));
        QCOMPARE(w.host().property("Font").toFont(), QFont("Serif", 13));

        QVERIFY(w.setFromText("xlabel1", "Smallest first"));
        QVERIFY(w.setFromText("ForeColor", "0xFF"));
        QVERIFY(w.setFromText("Enabled", "True"));
        QVERIFY(!w.setFromText("BackStyle", "tall"));
        for (int k = 0; k < 5; ++k)
            QVERIFY(
                w.setFromText(QStringLiteral("item%1").arg(k), QStringLiteral("Animal %1").arg(k)));
        QVERIFY(w.callMethod("updatelist"));
        auto* list = w.host().widget()->findChild<QListWidget*>("List1");
        QCOMPARE(list->count(), 5);
        QCOMPARE(w.host().widget()->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Smallest first"));
        const QStringList notices = texts(w.findChild<QListWidget*>("notices"));
        QCOMPARE(notices.size(), 8);
        QVERIFY(notices[0].endsWith("PropertyChanged \"xlabel1\" (id 11)"));
        QVERIFY(notices[1].endsWith("PropertyChanged \"ForeColor\" (id -513)"));

        // A cell edited by a person goes the same way.
        QTableWidgetItem* value = nullptr;
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == "BorderStyle") value = table->item(row, 1);
        value->setText("1");
        QCOMPARE(w.host().property("BorderStyle"), Variant(int16_t(1)));

        const QString bag = dir_.filePath("qsort.bag");
        QVERIFY(w.saveTo(bag));
        const QByteArray saved = readAll(bag);
        QVERIFY(saved.startsWith("Class={98EA3F4B-2884-4DBB-9BCD-30B827A7D779}\n"));
        QVERIFY(saved.contains("ForeColor=long:255\n"));
        QVERIFY(saved.contains("BorderStyle=integer:1\n"));
        QVERIFY(!saved.contains("item0"));

        w.host().release();
        QVERIFY(!libraryMapped());
        QVERIFY(w.loadFrom(bag));
        QCOMPARE(w.host().property("ForeColor"), Variant(int32_t(255)));
        QCOMPARE(w.host().property("Enabled"), Variant(true));
        QCOMPARE(w.host().property("item0"), Variant(int16_t(0)));
        QCOMPARE(w.host().property("xlabel1"), Variant("Label1"));
        w.host().release();
        QVERIFY(!libraryMapped());
    }

    void fileIsCreatedUsedSavedAndReloaded() {
        QFile data("velk.dat");
        QVERIFY(data.open(QIODevice::WriteOnly));
        data.write("\"Owl\",\"Barn owl\",\"owl.jpg\",2,1,1,1,0,1,0,0,0,0,0,0,0,0\r\n");
        data.close();
        HostWindow w;
        QVERIFY(w.createControl("triviactl.ctlFile"));
        QCOMPARE(w.findChild<QTableWidget*>("properties")->rowCount(), 0);
        QTest::mouseClick(w.host().widget()->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        auto* text1 = w.host().widget()->findChild<QLineEdit*>("Text1");
        QCOMPARE(text1->text(), QStringLiteral("Owl\r\nBarn owl"));
        const QString bag = dir_.filePath("file.bag");
        QVERIFY(w.saveTo(bag));
        QCOMPARE(readAll(bag), QByteArray("Class={E5247A21-28CC-44CD-902E-69A381D0B555}\n"));
        QVERIFY(w.loadFrom(bag));
        QCOMPARE(w.host().current().progId, QStringLiteral("triviactl.ctlFile"));
        QCOMPARE(w.host().widget()->findChild<QLineEdit*>("Text1")->text(),
                 QStringLiteral("Text1"));
        w.host().release();
        QVERIFY(!libraryMapped());
    }

    void refusesWhatItCannotLoad_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("class not registered")
            << QByteArray("Class={01234567-89AB-CDEF-0123-456789ABCDEF}\n");
        QTest::newRow("not a bag") << QByteArray("just text\n");
    }
    void refusesWhatItCannotLoad() {
        QFETCH(QByteArray, content);
        const QString path = dir_.filePath("bad.bag");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        HostWindow w;
        QVERIFY(!w.loadFrom(path));
        QVERIFY(!w.host().hasControl());
        QVERIFY(!w.createControl("triviactl.nothing"));
    }

    void valueFromText_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("current");
        QTest::addColumn<std::optional<Variant>>("value");
        const std::optional<Variant> refused;
        auto row = [](const char* tag, const char* type, const char* text, const char* current,
                      std::optional<Variant> v) {
            QTest::newRow(tag) << type << text << current << v;
        };
        row("hex colour", "olecolor", "0x80FFFF", "", Variant(int32_t(0x80FFFF)));
        row("basic hex", "long", "&HFF&", "", Variant(int32_t(255)));
        row("decimal goes as text", "long", "12", "", Variant("12"));
        row("variant hex goes as text", "variant", "0x10", "string", Variant("0x10"));
        row("integer kept", "variant", "12", "integer", Variant(int16_t(12)));
        row("no integer: text", "variant", "Elephant", "integer", Variant("Elephant"));
        row("too large for integer", "variant", "70000", "integer", Variant("70000"));
        row("boolean kept", "variant", "false", "boolean", Variant(false));
        row("kind asked", "variant", "long:0x10", "string", Variant(int32_t(16)));
        row("double asked", "variant", "double:2.5", "integer", Variant(2.5));
        row("colon in a text", "string", "Question: which?", "", Variant("Question: which?"));
        row("not that kind", "variant", "integer:abc", "string", refused);
        row("integer out of range", "variant", "integer:40000", "string", refused);
        row("not a boolean", "variant", "boolean:yes", "string", refused);
    }
    void valueFromText() {
        QFETCH(QString, type);
        QFETCH(QString, text);
        QFETCH(QString, current);
        QFETCH(std::optional<Variant>, value);
        QString error;
        QCOMPARE(trivia::valueFromText(type, text, current, &error), value);
        QCOMPARE(error.isEmpty(), value.has_value());
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QList<HostStep>>("steps");
        QTest::addColumn<QString>("error");
        QTest::newRow("steps in order")
            << QStringList{"--register", "lib.so", "--set", "item0=integer:3", "--call", "x"}
            << QList<HostStep>{{"--register", "lib.so"},
                               {"--set", "item0=integer:3"},
                               {"--call", "x"}}
            << "";
        QTest::newRow("Qt's own options")
            << QStringList{"-platform", "offscreen", "-reverse", "--create", "p"}
            << QList<HostStep>{{"--create", "p"}} << "";
        QTest::newRow("unknown option")
            << QStringList{"--create", "p", "--frob"} << QList<HostStep>{{"--create", "p"}}
            << "unknown option --frob";
        QTest::newRow("value missing")
            << QStringList{"--create"} << QList<HostStep>{} << "--create needs a value";
        QTest::newRow("stray argument")
            << QStringList{"quiz.bag"} << QList<HostStep>{} << "unexpected argument \"quiz.bag\"";
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(QList<HostStep>, steps);
        QFETCH(QString, error);
        const HostCommandLine line = parseCommandLine(args);
        QCOMPARE(line.steps, steps);
        QCOMPARE(line.error, error);
        QVERIFY(!line.help);
    }

    // The program itself: help without a display, and mistakes said before anything opens.
    void helpAndMistakes() {
        QProcess host;
        host.setProcessEnvironment(QProcessEnvironment());
        host.start(TRIVIA_HOST, {"--help"});
        QVERIFY(host.waitForFinished());
        QCOMPARE(host.exitCode(), 0);
        const QByteArray usage = host.readAllStandardOutput();
        QVERIFY(usage.startsWith("Usage: trivia-host [OPTION]..."));
        QVERIFY(usage.contains("--register LIB"));
        host.start(TRIVIA_HOST, {"--create", "triviactl.ctlQsort", "--frob"});
        QVERIFY(host.waitForFinished());
        QCOMPARE(host.exitCode(), 2);
        QCOMPARE(host.readAllStandardError(),
                 QByteArray("trivia-host: unknown option --frob\n"
                            "Try 'trivia-host --help' for the options.\n"));
    }
};

TRIVIA_TEST_MAIN(HostTest)
#include "tst_host.moc"
