// SPDX-License-Identifier: GPL-2.0-or-later
// The library as a container sees it: loaded by path, entered only through its exports.

#include "testmain.h"

#include "library.h"

#include "framework/registry.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

using namespace trivia;

class ExportsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString registry_;

private slots:
    void init() {
        registry_ = dir_.filePath(QStringLiteral("registry-%1").arg(QTest::currentTestFunction()));
        QFile::remove(registry_);
        qputenv("CONTROLS_REGISTRY", registry_.toUtf8());
    }

    void exportsExactlyTheFourEntries() {
        QProcess nm;
        nm.start(QStringLiteral("nm"), {"-D", "--defined-only", TRIVIA_LIBRARY});
        QVERIFY(nm.waitForFinished());
        QStringList names;
        for (const QString& line : QString::fromUtf8(nm.readAllStandardOutput()).split('\n'))
            if (!line.trimmed().isEmpty()) names << line.split(' ').last();
        names.sort();
        QCOMPARE(names, QStringList({"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                     "DllUnregisterServer"}));
    }

    void registration_data() {
        QTest::addColumn<QByteArray>("seed");
        QTest::addColumn<QByteArray>("left"); // after unregistering
        const QByteArray other = "[CLSID\\{11111111-2222-3333-4444-555555555555}]\n"
                                 "@=Other control\nInprocServer32=/opt/other/libother.so\n\n";
        QTest::newRow("no registry yet") << QByteArray() << QByteArray();
        QTest::newRow("unrelated entry")
            << "; kept as it is\n" + other << "; kept as it is\n" + other;
        const QByteArray noBreak = "[other.Progid]\nCLSID={11111111-2222-3333-4444-555555555555}";
        QTest::newRow("no final line break") << noBreak << noBreak;
        // Another program's bytes stay its own, even where they are no UTF-8.
        const QByteArray windows1252 = "; Caf\xe9 \x80 Z\xfcrich\n[Caf\xe9.Progid]\n@=Th\xe9\n";
        QTest::newRow("Windows-1252 of another program") << windows1252 << windows1252;
        const QByteArray ours =
            "[triviactl.ctlQsort]\nCLSID={00000000-0000-0000-0000-000000000000}\n";
        QTest::newRow("a key of ours twice")
            << ours + other + QByteArray(ours).replace("triviactl.ctlQsort", "TRIVIACTL.CTLQSORT")
            << other;
    }
    void registration() {
        QFETCH(QByteArray, seed);
        QFETCH(QByteArray, left);
        if (!seed.isNull()) {
            QFile f(registry_);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(seed);
        }
        Library lib;
        QCOMPARE(lib.registerServer(), S_OK);
        const QByteArray once = readAll(registry_);
        QCOMPARE(lib.registerServer(), S_OK);
        QCOMPARE(readAll(registry_), once);

        const auto data = Registry(registry_).read();
        QVERIFY(data);
        const RegistryKey* cls = data->key(QStringLiteral("CLSID\\") + clsidQsort.toString());
        QVERIFY(cls);
        const QString path = libraryPath();
        QCOMPARE(cls->value("InprocServer32"), path);
        QCOMPARE(cls->value("ProgID"), QStringLiteral("triviactl.ctlQsort"));
        QVERIFY(cls->value("Control"));
        QCOMPARE(cls->value("TypeLib"), QStringLiteral("{8F712DF8-94CF-45E8-A4D8-417F9D33B12C}"));
        QCOMPARE(cls->value("Version"), QStringLiteral("1.0"));
        QVERIFY(cls->value("ToolboxBitmap32")->startsWith(path));
        QCOMPARE(data->key("triviactl.ctlFile")->value("CLSID"), clsidFile.toString());
        QVERIFY(data->key("TypeLib\\{8F712DF8-94CF-45E8-A4D8-417F9D33B12C}\\1.0"));

        QCOMPARE(lib.unregisterServer(), S_OK);
        QCOMPARE(QFile::exists(registry_), !left.isEmpty());
        QCOMPARE(readAll(registry_), left);
        QCOMPARE(lib.unregisterServer(), S_OK);
    }

    void unknownClassIsRefused() {
        Library lib;
        void* ppv = &lib;
        QCOMPARE(lib.getClassObject(guid("{01234567-89AB-CDEF-0123-456789ABCDEF}"),
                                    IID_IClassFactory, &ppv),
                 CLASS_E_CLASSNOTAVAILABLE);
        QVERIFY(!ppv);
        ppv = &lib;
        QCOMPARE(lib.getClassObject(clsidQsort, IID_IDispatch, &ppv), E_NOINTERFACE);
        QVERIFY(!ppv);
        QCOMPARE(lib.entry<Library::GetClassObject>("DllGetClassObject")(
                     &clsidQsort, &IID_IClassFactory, nullptr),
                 E_POINTER);
    }

    void outerObjectIsRefused() {
        Library lib;
        IClassFactory* factory = lib.factory(clsidQsort);
        QVERIFY(factory);
        void* ppv = &lib;
        QCOMPARE(factory->CreateInstance(factory, IID_IUnknown, &ppv), CLASS_E_NOAGGREGATION);
        QVERIFY(!ppv);
        factory->Release();
        QCOMPARE(lib.canUnloadNow(), S_OK);
    }

    void canUnloadNow_data() {
        QTest::addColumn<QString>("held");
        QTest::newRow("control object") << "object";
        QTest::newRow("class factory") << "factory";
        QTest::newRow("server lock") << "lock";
    }
    void canUnloadNow() {
        QFETCH(QString, held);
        Library lib;
        QCOMPARE(lib.canUnloadNow(), S_OK);
        IClassFactory* factory = lib.factory(clsidFile);
        QVERIFY(factory);
        IUnknown* object = nullptr;
        if (held == "object")
            QCOMPARE(
                factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)),
                S_OK);
        if (held == "lock") QCOMPARE(factory->LockServer(1), S_OK);
        if (held != "factory") factory->Release();
        QCOMPARE(lib.canUnloadNow(), S_FALSE);
        if (held == "object") object->Release();
        if (held == "factory") factory->Release();
        if (held == "lock") {
            IClassFactory* again = lib.factory(clsidQsort);
            QCOMPARE(again->LockServer(0), S_OK);
            QCOMPARE(lib.canUnloadNow(), S_FALSE);
            again->Release();
        }
        QCOMPARE(lib.canUnloadNow(), S_OK);
    }

    void loadCreateReleaseUnload() {
        QVERIFY(!libraryMapped());
        {
            Library lib;
            QVERIFY(lib.handle);
            QVERIFY(libraryMapped());
            IClassFactory* factory = lib.factory(clsidQsort);
            QVERIFY(factory);
            void* p = nullptr;
            QCOMPARE(factory->CreateInstance(nullptr, IID_IControl, &p), S_OK);
            factory->Release();
            auto* control = static_cast<IControl*>(p);
            QWidget host;
            QWidget* widget = nullptr;
            QCOMPARE(control->GetWidget(&host, &widget), S_OK);
            QCOMPARE(widget->objectName(), QStringLiteral("ctlQsort"));
            QCOMPARE(lib.canUnloadNow(), S_FALSE);
            QCOMPARE(control->Release(), 0u);
            QCOMPARE(host.findChildren<QWidget*>().size(), 0);
            QCOMPARE(lib.canUnloadNow(), S_OK);
        }
        QVERIFY(!libraryMapped());
    }
};

TRIVIA_TEST_MAIN(ExportsTest)
#include "tst_exports.moc"
