// trivia-host driving the real library: registry → load → create → edit → save → reload.

#include "library.h"
#include "testmain.h"

#include "host/hostwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace trivia;

Q_DECLARE_METATYPE(trivia::Variant)

namespace {

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
        QVERIFY(!libraryMapped()); // listing needs no library
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
        QTest::addColumn<Variant>("value");
        QTest::newRow("hex colour") << "olecolor"
                                    << "0x80FFFF" << Variant(int32_t(0x80FFFF));
        QTest::newRow("basic hex") << "long"
                                   << "&HFF&" << Variant(int32_t(255));
        QTest::newRow("decimal stays text") << "long"
                                            << "12" << Variant("12");
        QTest::newRow("variant hex stays text") << "variant"
                                                << "0x10" << Variant("0x10");
    }
    void valueFromText() {
        QFETCH(QString, type);
        QFETCH(QString, text);
        QFETCH(Variant, value);
        QCOMPARE(trivia::valueFromText(type, text), value);
    }
};

TRIVIA_TEST_MAIN(HostTest)
#include "tst_host.moc"
