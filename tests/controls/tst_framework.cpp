// SPDX-License-Identifier: GPL-2.0-or-later
// The component model on its own: identifiers, results, variants, bags, registry, type library.

#include "testmain.h"

#include "framework/classfactory.h"
#include "framework/dispatch.h"
#include "framework/propertybag.h"
#include "framework/registry.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace trivia;

Q_DECLARE_METATYPE(trivia::Variant)

class FrameworkTest : public QObject {
    Q_OBJECT

private slots:
    void guidText() {
        constexpr Guid g = guid("{00020400-0000-0000-C000-000000000046}");
        QCOMPARE(g.data1, 0x00020400u);
        QCOMPARE(g.data4[0], uint8_t(0xC0));
        QCOMPARE(g.data4[7], uint8_t(0x46));
        QCOMPARE(g.toString(), QStringLiteral("{00020400-0000-0000-C000-000000000046}"));
        QCOMPARE(Guid::fromString("{98ea3f4b-2884-4dbb-9bcd-30b827a7d779}")->toString(),
                 QStringLiteral("{98EA3F4B-2884-4DBB-9BCD-30B827A7D779}"));
        QVERIFY(!Guid::fromString("98EA3F4B-2884-4DBB-9BCD-30B827A7D779"));
        QVERIFY(!Guid::fromString("{98EA3F4B-2884-4DBB-9BCD-30B827A7D7}"));
        QVERIFY(Guid{}.isNull());
    }

    void resultCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<uint>("value");
        QTest::newRow("S_OK") << S_OK << 0u;
        QTest::newRow("S_FALSE") << S_FALSE << 1u;
        QTest::newRow("E_NOINTERFACE") << E_NOINTERFACE << 0x80004002u;
        QTest::newRow("E_POINTER") << E_POINTER << 0x80004003u;
        QTest::newRow("E_UNEXPECTED") << E_UNEXPECTED << 0x8000FFFFu;
        QTest::newRow("CLASS_E_NOAGGREGATION") << CLASS_E_NOAGGREGATION << 0x80040110u;
        QTest::newRow("CLASS_E_CLASSNOTAVAILABLE") << CLASS_E_CLASSNOTAVAILABLE << 0x80040111u;
        QTest::newRow("SELFREG_E_CLASS") << SELFREG_E_CLASS << 0x80040201u;
        QTest::newRow("DISP_E_UNKNOWNNAME") << DISP_E_UNKNOWNNAME << 0x80020006u;
        QTest::newRow("DISP_E_MEMBERNOTFOUND") << DISP_E_MEMBERNOTFOUND << 0x80020003u;
    }
    void resultCodes() {
        QFETCH(int, code);
        QFETCH(uint, value);
        QCOMPARE(static_cast<uint32_t>(code), value);
        QVERIFY(resultText(code).contains(QString::fromLatin1(QTest::currentDataTag())));
    }

    void variantText_data() {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer 0") << Variant(int16_t(0)) << "0";
        QTest::newRow("negative long") << Variant(int32_t(-70000)) << "-70000";
        QTest::newRow("True") << Variant(true) << "True";
        QTest::newRow("False") << Variant(false) << "False";
        QTest::newRow("double") << Variant(2.5) << "2.5";
        QTest::newRow("whole double") << Variant(3.0) << "3";
        QTest::newRow("empty") << Variant() << "";
        QTest::newRow("string") << Variant("Lion") << "Lion";
    }
    void variantText() {
        QFETCH(Variant, value);
        QFETCH(QString, text);
        QCOMPARE(value.toString(), text);
        QCOMPARE(Variant::decode(value.encode()), std::optional<Variant>(value));
    }

    void variantConversions() {
        QCOMPARE(Variant(true).toInt16(), int16_t(-1));
        QCOMPARE(Variant(" 12 ").toInt32(), 12);
        QCOMPARE(Variant(2.5).toInt16(), int16_t(2)); // half to even
        QCOMPARE(Variant(3.5).toInt16(), int16_t(4));
        QCOMPARE(Variant("false").toBool(), false);
        QCOMPARE(Variant(int16_t(5)).toBool(), true);
        auto code = [](auto f) {
            try {
                f();
            } catch (const ComError& e) {
                return e.code();
            }
            return S_OK;
        };
        QCOMPARE(code([] { Variant("abc").toInt32(); }), DISP_E_TYPEMISMATCH);
        QCOMPARE(code([] { Variant(int32_t(40000)).toInt16(); }), DISP_E_OVERFLOW);
        QCOMPARE(code([] { Variant(int16_t(1)).toFont(); }), DISP_E_TYPEMISMATCH);
    }

    void sameValue_data() {
        QTest::addColumn<Variant>("a");
        QTest::addColumn<Variant>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("False and 0") << Variant(false) << Variant(int16_t(0)) << true;
        QTest::newRow("long and integer") << Variant(int32_t(7)) << Variant(int16_t(7)) << true;
        QTest::newRow("True and 1") << Variant(true) << Variant(int16_t(1)) << false;
        QTest::newRow("empty and 0") << Variant() << Variant(int16_t(0)) << true;
        QTest::newRow("empty and empty text") << Variant() << Variant("") << true;
        QTest::newRow("text and number") << Variant("0") << Variant(int16_t(0)) << false;
        QTest::newRow("fonts") << Variant(QFont("Serif", 9)) << Variant(QFont("Serif", 9)) << true;
    }
    void sameValue() {
        QFETCH(Variant, a);
        QFETCH(Variant, b);
        QFETCH(bool, same);
        QCOMPARE(a.sameValue(b), same);
        QCOMPARE(b.sameValue(a), same);
    }

    void bagAccess() {
        MemoryPropertyBag bag;
        PropertyBagAccess access(bag);
        access.write("Kept", Variant(int32_t(5)), Variant(int16_t(0)));
        access.write("Left out", Variant(false), Variant(int16_t(0)));
        QCOMPARE(bag.keys(), QStringList({"Kept"}));
        QCOMPARE(access.read("kept", Variant()), Variant(int32_t(5)));
        QCOMPARE(access.read("Missing", Variant("default")), Variant("default"));
        QCOMPARE(bag.Write("a=b", Variant()), E_INVALIDARG);
    }

    void bagFile() {
        QTemporaryDir dir;
        MemoryPropertyBag bag;
        bag.Write("Text", Variant("two\r\nlines \\ and = sign"));
        bag.Write("Font", Variant(QFont("Serif", 12)));
        bag.Write("Enabled", Variant(true));
        const Guid cls = guid("{98EA3F4B-2884-4DBB-9BCD-30B827A7D779}");
        const QString path = dir.filePath("x.bag");
        QVERIFY(bag.saveFile(path, cls));
        Guid read;
        const auto back = MemoryPropertyBag::loadFile(path, &read);
        QVERIFY(back);
        QCOMPARE(read, cls);
        QCOMPARE(back->keys(), bag.keys());
        for (const QString& k : bag.keys())
            QCOMPARE(back->value(k), bag.value(k));
    }

    // A line of a bag file: the value it gives, or the refusal (empty: none).
    void bagFileLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no kind") << "X=nokind" << Variant() << "line 2 is not \"Key=type:value\"";
        QTest::newRow("True in any case") << "Enabled=boolean:tRUE" << Variant(true) << "";
        QTest::newRow("False in capitals") << "Enabled=boolean:FALSE" << Variant(false) << "";
        QTest::newRow("Boolean of neither") << "Enabled=boolean:yes" << Variant()
                                            << "Enabled: \"yes\" is not True or False (line 2)";
        QTest::newRow("number of no number")
            << "ForeColor=long:red" << Variant()
            << "ForeColor: \"red\" is not a value of the kind long (line 2)";
    }
    void bagFileLines() {
        QFETCH(QString, line);
        QFETCH(Variant, value);
        QFETCH(QString, refusal);
        const auto bag = MemoryPropertyBag::fromText(
            "Class={98EA3F4B-2884-4DBB-9BCD-30B827A7D779}\n" + line + "\n", nullptr);
        QCOMPARE(bag.error(), refusal);
        QCOMPARE(bool(bag), refusal.isEmpty());
        if (bag) QCOMPARE(bag->value(line.section('=', 0, 0)), value);
    }

    // Keys are found through an index: it must agree with a case-insensitive compare and
    // survive removals and copies.
    void bagIndex() {
        MemoryPropertyBag bag;
        const QStringList names{"Key0",
                                "Key1",
                                "Key2",
                                "Key3",
                                QString::fromUtf8("Größe"),
                                QString::fromUtf8("Σοφία"),
                                QString::fromUtf8("𐐀bc")};
        for (int i = 0; i < names.size(); ++i)
            bag.Write(names[i], Variant(int32_t(i)));
        const QStringList probes{"KEY3",
                                 "key0",
                                 QString::fromUtf8("GRÖßE"),
                                 QString::fromUtf8("grösse"),
                                 QString::fromUtf8("σοφίς"),
                                 QString::fromUtf8("ΣΟΦΊΑ"),
                                 QString::fromUtf8("𐐨BC"),
                                 "Key"};
        for (const QString& probe : probes) {
            int match = -1;
            for (int i = 0; i < names.size(); ++i)
                if (names[i].compare(probe, Qt::CaseInsensitive) == 0) match = i;
            const auto found = bag.value(probe);
            QVERIFY2(found.has_value() == (match >= 0), qPrintable(probe));
            if (found) QCOMPARE(*found, Variant(int32_t(match)));
        }
        bag.remove("KEY1");
        QCOMPARE(bag.value("key3"), Variant(int32_t(3)));
        bag.Write("key2", Variant("again"));
        QCOMPARE(bag.keys().mid(0, 3), QStringList({"Key0", "Key2", "Key3"}));
        const MemoryPropertyBag copy = bag;
        QCOMPARE(copy.value("KEY2"), Variant("again"));
        QCOMPARE(copy.value("key1"), std::nullopt);
    }

    void registryKeepsOtherText() {
        const QByteArray text = "; header\n\n[A]\n@=one\nx = spaced\n[b\\c]\nv=1";
        RegistryData d = RegistryData::parse(text);
        QCOMPARE(d.toBytes(), text);
        QCOMPARE(d.key("B\\C")->value("V"), QStringLiteral("1"));
        d.setKey({"New", {{"@", "n"}}});
        QCOMPARE(d.toBytes(),
                 QByteArray("; header\n\n[New]\n@=n\n[A]\n@=one\nx = spaced\n[b\\c]\nv=1"));
        d.setKey({"A", {{"@", "two"}}});
        QVERIFY(d.toBytes().contains("[A]\n@=two\n[b\\c]"));
        QVERIFY(d.removeKey("new"));
        QVERIFY(!d.removeKey("new"));
    }

    void registryFile() {
        QTemporaryDir dir;
        Registry reg(dir.filePath("sub/registry"));
        QVERIFY(reg.read()->keys().isEmpty());
        QVERIFY(reg.update([](RegistryData& d) { d.setKey({"K", {{"a", "1"}}}); }));
        QCOMPARE(reg.read()->key("K")->value("a"), QStringLiteral("1"));
        QVERIFY(!QFile::exists(reg.path() + ".lock"));
        QVERIFY(reg.update([](RegistryData& d) { d.removeKey("K"); }));
        QVERIFY(!QFile::exists(reg.path())); // nothing left, nothing kept
        qputenv("CONTROLS_REGISTRY", "/tmp/elsewhere");
        QCOMPARE(Registry::defaultPath(), QStringLiteral("/tmp/elsewhere"));
        qunsetenv("CONTROLS_REGISTRY");
        QVERIFY(Registry::defaultPath().endsWith("/trivia-controls/registry"));
    }

    void registryOutlivesAKilledWriter() {
        QTemporaryDir dir;
        Registry reg(dir.filePath("registry"));
        // Killed after creating its lock, before writing its name into it.
        QFile lock(reg.path() + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        // Killed after its temporary file was complete, before the rename.
        QFile mark(reg.path() + ".~saving");
        QVERIFY(mark.open(QIODevice::WriteOnly));
        mark.write("registry.XyZabc");
        mark.close();
        QFile leftover(reg.path() + ".XyZabc");
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.write("[K]\na=old\n");
        leftover.close();

        const auto updated = reg.update([](RegistryData& d) { d.setKey({"K", {{"a", "1"}}}); });
        QVERIFY2(updated, qPrintable(updated.error()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"registry"});
    }

    void registryThatIsNoFileIsRefused() {
        QTemporaryDir dir;
        Registry reg(dir.filePath("registry"));
        QCOMPARE(::mkfifo(QFile::encodeName(reg.path()).constData(), 0600), 0);
        const auto read = reg.read();
        QVERIFY(!read);
        QCOMPARE(read.error(), QStringLiteral("it is not a regular file"));
    }

    void typeLibRefusals_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not json") << QByteArray("{");
        QTest::newRow("bad libid") << QByteArray(R"({"libid":"x"})");
        QTest::newRow("unknown kind") << QByteArray(
            R"({"libid":"{8F712DF8-94CF-45E8-A4D8-417F9D33B12C}","interfaces":[{"name":"I","iid":"{8F712DF8-94CF-45E8-A4D8-417F9D33B12D}","members":[{"name":"m","kind":"field"}]}]})");
        QTest::newRow("missing interface") << QByteArray(
            R"({"libid":"{8F712DF8-94CF-45E8-A4D8-417F9D33B12C}","classes":[{"name":"c","clsid":"{8F712DF8-94CF-45E8-A4D8-417F9D33B12E}","default":"_c","source":"__c"}]})");
    }
    void typeLibRefusals() {
        QFETCH(QByteArray, json);
        QString error;
        QVERIFY(!parseTypeLib(json, &error));
        QVERIFY(!error.isEmpty());
    }

    void unbalancedUnlockKeepsCountAtZero() {
        ClassFactory factory([]() -> IUnknown* { return nullptr; });
        QCOMPARE(factory.LockServer(0), S_OK);
        QCOMPARE(module::lockCount(), 0L);
        factory.LockServer(1);
        QCOMPARE(module::lockCount(), 1L);
        factory.LockServer(0);
        QCOMPARE(module::lockCount(), 0L);
        void* p = &factory;
        QCOMPARE(factory.CreateInstance(nullptr, IID_IUnknown, &p), E_OUTOFMEMORY);
        QVERIFY(!p);
    }

    // A misspelt or forgotten member stops the control from being made at all.
    void unboundMembersAreRefused() {
        InterfaceDesc d;
        d.name = "_ctlTest";
        d.members = {{"Go", 1, MemberKind::Method, "none", {}},
                     {"Size", 2, MemberKind::Property, "short", {}},
                     {"Colour", 3, MemberKind::Property, "long", {}}};
        Dispatcher disp(d);
        auto description = [](auto f) {
            try {
                f();
            } catch (const ComError& e) {
                return e.description();
            }
            return QString();
        };
        QCOMPARE(description([&] { disp.bind("Sise", {}); }),
                 QStringLiteral("_ctlTest has no member named Sise"));
        disp.bind("Go", {});
        QCOMPARE(description([&] { disp.requireComplete(); }),
                 QStringLiteral("_ctlTest has no code behind Size, Colour"));
        ClassFactory factory([&]() -> IUnknown* {
            disp.requireComplete();
            return nullptr;
        });
        void* p = &factory;
        QTest::ignoreMessage(QtCriticalMsg, "_ctlTest has no code behind Size, Colour");
        QCOMPARE(factory.CreateInstance(nullptr, IID_IUnknown, &p), E_UNEXPECTED);
        QVERIFY(!p);
    }

    void dispatcherCalls() {
        InterfaceDesc d;
        d.members = {{"Go", 1, MemberKind::Method, "none", {{"to", "string", false}}},
                     {"Size", 2, MemberKind::Property, "short", {}}};
        Dispatcher disp(d);
        QStringList calls;
        int16_t size = 3;
        disp.bind("go", {{}, {}, [&](const QList<Variant>& a) { calls << a.at(0).toString(); }});
        disp.bind(
            "SIZE",
            {[&] { return Variant(size); }, [&](const Variant& v) { size = v.toInt16(); }, {}});
        disp.requireComplete();
        Variant arg("there");
        DispParams one{&arg, 1};
        QCOMPARE(disp.invoke(1, DISPATCH_METHOD, &one, nullptr, nullptr), S_OK);
        QCOMPARE(disp.invoke(1, DISPATCH_METHOD, nullptr, nullptr, nullptr), DISP_E_BADPARAMCOUNT);
        QCOMPARE(disp.invoke(1, DISPATCH_PROPERTYGET, nullptr, nullptr, nullptr),
                 DISP_E_MEMBERNOTFOUND);
        QCOMPARE(calls, QStringList({"there"}));
        Variant big(int32_t(99999));
        DispParams put{&big, 1};
        ExcepInfo e;
        QCOMPARE(disp.invoke(2, DISPATCH_PROPERTYPUT, &put, nullptr, &e), DISP_E_OVERFLOW);
        QCOMPARE(e.code, DISP_E_OVERFLOW);
        QCOMPARE(size, int16_t(3));
        Variant result;
        QCOMPARE(disp.invoke(2, DISPATCH_PROPERTYGET, nullptr, &result, nullptr), S_OK);
        QCOMPARE(result, Variant(int16_t(3)));
    }
};

TRIVIA_TEST_MAIN(FrameworkTest)
#include "tst_framework.moc"
