// SPDX-License-Identifier: GPL-2.0-or-later
// The sort-the-items control through its dispatch interface, its widgets and its bag.

#include "fakes.h"
#include "testmain.h"

#include "qsort/ctlqsort.h"
#include "qsort/qsortview.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace trivia;

Q_DECLARE_METATYPE(trivia::MemberKind)
Q_DECLARE_METATYPE(trivia::Variant)

namespace {

// One control with a site and a widget, released at the end of the test.
struct Fixture {
    CtlQsort* control = new CtlQsort(triviaTypeLib());
    RecordingSite site;
    QStringList messages;

    Fixture() {
        control->SetSite(&site);
        control->InitNew();
        QWidget* w = nullptr;
        control->GetWidget(nullptr, &w);
        view()->message = [this](const QString& m) { messages << m; };
    }
    ~Fixture() { control->Release(); }

    QsortView* view() const { return control->view(); }
    QListWidget* list() const { return view()->findChild<QListWidget*>("List1"); }
    QLabel* label(const char* name) const { return view()->findChild<QLabel*>(name); }

    int32_t id(const QString& name) const {
        int32_t id = 0;
        control->GetIDsOfNames(IID_NULL, &name, 1, 0, &id);
        return id;
    }
    HResult put(const QString& name, Variant v, uint16_t flag = DISPATCH_PROPERTYPUT) {
        DispParams p{&v, 1};
        return control->Invoke(id(name), IID_NULL, 0, flag, &p, nullptr, nullptr, nullptr);
    }
    Variant get(const QString& name) const {
        Variant r;
        control->Invoke(id(name), IID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, &r, nullptr, nullptr);
        return r;
    }
    HResult call(const QString& name) {
        return control->Invoke(id(name), IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr,
                               nullptr);
    }
    QStringList lines() const {
        QStringList l;
        for (int i = 0; i < list()->count(); ++i)
            l << list()->item(i)->text();
        return l;
    }
    void setItems(const QList<Variant>& items, const QList<Variant>& tags) {
        for (int k = 0; k < 5; ++k) {
            put(QStringLiteral("item%1").arg(k), items[k]);
            put(QStringLiteral("curlist%1").arg(k), tags[k]);
            put(QStringLiteral("val%1").arg(k), Variant(QStringLiteral("v%1").arg(k)));
        }
        call(QStringLiteral("updatelist"));
        site.notices.clear();
    }
    void clickLine(int row) {
        list()->setCurrentRow(row);
        const QRect r = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
        QCoreApplication::processEvents();
    }
    QList<Variant> family(const char* prefix) const {
        QList<Variant> v;
        for (int k = 0; k < 5; ++k)
            v << get(QLatin1String(prefix) + QString::number(k));
        return v;
    }
};

QList<Variant> texts(const QStringList& l) {
    QList<Variant> v;
    for (const auto& s : l)
        v << Variant(s);
    return v;
}

QList<Variant> numbers(std::initializer_list<int> l) {
    QList<Variant> v;
    for (int n : l)
        v << Variant(int16_t(n));
    return v;
}

} // namespace

class QsortTest : public QObject {
    Q_OBJECT

private slots:
    void members_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("id");
        QTest::addColumn<MemberKind>("kind");
        const auto P = MemberKind::Property;
        const struct {
            const char* name;
            int id;
            MemberKind kind;
        } rows[] = {{"updatelist", 1, MemberKind::Method},
                    {"ForeColor", -513, P},
                    {"Enabled", -514, P},
                    {"Font", -512, MemberKind::PropertyRef},
                    {"BackStyle", -502, P},
                    {"BorderStyle", -504, P},
                    {"Refresh", -550, MemberKind::Method},
                    {"BackColor", -501, P},
                    {"xlabel2", 9, P},
                    {"xlist1", 10, P},
                    {"xlabel1", 11, P},
                    {"item1", 12, P},
                    {"item2", 13, P},
                    {"item3", 14, P},
                    {"item4", 15, P},
                    {"val1", 16, P},
                    {"val2", 17, P},
                    {"val3", 18, P},
                    {"val4", 19, P},
                    {"item0", 20, P},
                    {"val0", 21, P},
                    {"curlist0", 22, P},
                    {"curlist1", 23, P},
                    {"curlist2", 24, P},
                    {"curlist3", 25, P},
                    {"curlist4", 26, P}};
        int slot = 0;
        for (const auto& r : rows)
            QTest::newRow(r.name) << slot++ << QString::fromLatin1(r.name) << r.id << r.kind;
    }
    void members() {
        QFETCH(int, slot);
        QFETCH(QString, name);
        QFETCH(int, id);
        QFETCH(MemberKind, kind);
        Fixture f;
        ITypeInfo* info = nullptr;
        QCOMPARE(f.control->GetTypeInfo(0, 0, &info), S_OK);
        Guid iid;
        uint32_t count = 0;
        info->GetTypeAttr(&iid, &count);
        QCOMPARE(count, 26u);
        QCOMPARE(iid.toString(), QStringLiteral("{4D0ECE3D-15D0-47E9-B8F9-56EB1560C490}"));
        MemberDesc m;
        QCOMPARE(info->GetMemberDesc(uint32_t(slot), &m), S_OK);
        info->Release();
        QCOMPARE(m.name, name);
        QCOMPARE(m.id, id);
        QCOMPARE(m.kind, kind);
        QCOMPARE(f.id(name.toUpper()), id); // names are found regardless of case
    }

    void typeLibrary() {
        const TypeLibDesc& lib = triviaTypeLib();
        QCOMPARE(lib.name, QStringLiteral("triviactl"));
        QCOMPARE(lib.helpString, QStringLiteral("triviactl"));
        const char* ids[][2] = {{"_IID_CTLQSORT", "_ctlQsort"},
                                {"_SRCIID_CTLQSORT", "__ctlQsort"},
                                {"_IID_CTLFILE", "_ctlFile"},
                                {"_SRCIID_CTLFILE", "__ctlFile"}};
        for (const auto& [resource, name] : ids) {
            QFile f(QStringLiteral(":/triviactl/") + resource);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(Guid::fromString(f.readAll()), lib.interface(name)->iid);
        }
        QVERIFY(lib.interface("_ctlFile")->members.isEmpty());
        QVERIFY(lib.interface("__ctlFile")->members.isEmpty());
        for (const auto& cls : lib.classes) {
            const QImage bitmap(cls.bitmap);
            QCOMPARE(bitmap.size(), QSize(16, 15));
            QCOMPARE(cls.progId, QStringLiteral("triviactl.") + cls.name);
        }
    }

    void eventsAreDeclared() {
        const InterfaceDesc* events = triviaTypeLib().interface("__ctlQsort");
        QVERIFY(events->events);
        QStringList names;
        for (const auto& m : events->members) {
            names << m.name + QChar('(') + QString::number(m.params.size()) + QChar(')');
            for (const auto& p : m.params)
                QVERIFY(p.byRef);
        }
        QCOMPARE(names, QStringList({"Click(0)", "DblClick(0)", "KeyDown(2)", "KeyPress(1)",
                                     "KeyUp(2)", "MouseDown(4)", "MouseMove(4)", "MouseUp(4)"}));
        QCOMPARE(events->member("MouseUp")->params.at(2).type, QStringLiteral("single"));
    }

    void dispatchRefusals() {
        Fixture f;
        const QString unknown = QStringLiteral("Sort");
        int32_t id = 0;
        QCOMPARE(f.control->GetIDsOfNames(IID_NULL, &unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);
        QCOMPARE(f.control->Invoke(999, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr,
                                   nullptr),
                 DISP_E_MEMBERNOTFOUND);
        QCOMPARE(f.put("ForeColor", Variant("red")), DISP_E_TYPEMISMATCH);
        QCOMPARE(f.put("BackStyle", Variant(int32_t(70000))), DISP_E_OVERFLOW);
        QCOMPARE(f.put("Font", Variant(QFont("Serif"))), DISP_E_MEMBERNOTFOUND); // set, not let
        QCOMPARE(f.put("Font", Variant("Serif"), DISPATCH_PROPERTYPUTREF), DISP_E_TYPEMISMATCH);
        QVERIFY(f.site.notices.isEmpty());
    }

    void newInstanceShowsFiveZeros() {
        Fixture f;
        QVERIFY(f.lines().isEmpty());
        QCOMPARE(f.label("Label1")->text(), QStringLiteral("Label1"));
        QCOMPARE(f.call("updatelist"), S_OK);
        QCOMPARE(f.lines(), QStringList({"0", "0", "0", "0", "0"}));
        QCOMPARE(f.get("item3").type(), VarType::Integer);
        QCOMPARE(f.get("Font").toFont(), f.site.ambient);
        QVERIFY(f.list()->selectedItems().isEmpty());
    }

    void clickMovesLineUp_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QList<Variant>>("tags");
        QTest::newRow("fourth line")
            << 3 << QStringList{"A", "B", "D", "C", "E"} << numbers({0, 1, 3, 2, 4});
        QTest::newRow("second line")
            << 1 << QStringList{"B", "A", "C", "D", "E"} << numbers({1, 0, 2, 3, 4});
        QTest::newRow("last line")
            << 4 << QStringList{"A", "B", "C", "E", "D"} << numbers({0, 1, 2, 4, 3});
    }
    void clickMovesLineUp() {
        QFETCH(int, row);
        QFETCH(QStringList, items);
        QFETCH(QList<Variant>, tags);
        Fixture f;
        f.setItems(texts({"A", "B", "C", "D", "E"}), numbers({0, 1, 2, 3, 4}));
        f.clickLine(row);
        QCOMPARE(f.lines(), items);
        QCOMPARE(f.family("item"), texts(items));
        QCOMPARE(f.family("curlist"), tags);
        QCOMPARE(f.family("val"), texts({"v0", "v1", "v2", "v3", "v4"}));
        QCOMPARE(f.site.notices,
                 QStringList({"item0", "item1", "item2", "item3", "item4", "curlist0", "curlist1",
                              "curlist2", "curlist3", "curlist4"}));
        QCOMPARE(f.site.ids.first(), 20);
        QVERIFY(f.list()->selectedItems().isEmpty());
        QCOMPARE(f.get("xlist1").toString(), QString());
    }

    void lineReachesTheTop() {
        Fixture f;
        f.setItems(texts({"A", "B", "C", "D", "E"}), numbers({0, 1, 2, 3, 4}));
        for (int row = 4; row > 0; --row)
            f.clickLine(row);
        QCOMPARE(f.lines(), QStringList({"E", "A", "B", "C", "D"}));
        QCOMPARE(f.family("curlist"), numbers({4, 0, 1, 2, 3}));
    }

    void clickChangingNothing_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("top line") << 0;
        QTest::newRow("no line selected") << -1;
    }
    void clickChangingNothing() {
        QFETCH(int, row);
        Fixture f;
        f.setItems(texts({"A", "B", "C", "D", "E"}), numbers({0, 1, 2, 3, 4}));
        if (row >= 0) {
            f.clickLine(row);
        } else {
            f.list()->clearSelection();
            QTest::keyClick(f.list(), Qt::Key_Space);
            QCoreApplication::processEvents();
        }
        QCOMPARE(f.lines(), QStringList({"A", "B", "C", "D", "E"}));
        QCOMPARE(f.family("curlist"), numbers({0, 1, 2, 3, 4}));
        QVERIFY(f.site.notices.isEmpty());
    }

    void movedNumberTurnsIntoText() {
        Fixture f;
        f.setItems(numbers({10, 20, 30, 40, 50}), numbers({0, 1, 2, 3, 4}));
        f.clickLine(2);
        QCOMPARE(f.get("item1"), Variant("30"));
        QCOMPARE(f.get("item2"), Variant(int16_t(20)));
        QCOMPARE(f.get("curlist1"), Variant(int16_t(2)));
        QCOMPARE(f.lines(), QStringList({"10", "30", "20", "40", "50"}));
    }

    void settingAnItemWaitsForUpdatelist() {
        Fixture f;
        f.setItems(texts({"A", "B", "C", "D", "E"}), numbers({0, 1, 2, 3, 4}));
        QCOMPARE(f.put("item2", Variant(true)), S_OK);
        QCOMPARE(f.site.notices, QStringList({"item2"}));
        QCOMPARE(f.lines(), QStringList({"A", "B", "C", "D", "E"}));
        f.call("updatelist");
        QCOMPARE(f.lines(), QStringList({"A", "B", "True", "D", "E"}));
    }

    void captions_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("widget");
        QTest::newRow("xlabel1") << "xlabel1"
                                 << "Label1";
        QTest::newRow("xlabel2") << "xlabel2"
                                 << "Label2";
    }
    void captions() {
        QFETCH(QString, property);
        QFETCH(QString, widget);
        Fixture f;
        QCOMPARE(f.put(property, Variant("Sort these by size")), S_OK);
        QCOMPARE(f.label(widget.toLatin1())->text(), QStringLiteral("Sort these by size"));
        QCOMPARE(f.get(property).toString(), QStringLiteral("Sort these by size"));
        QCOMPARE(f.site.notices, QStringList({property}));
    }

    // A list box takes a text by selecting the first line that reads so in any case, or none.
    void xlist1SelectsTheLineOfThatText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::newRow("same case") << "Dog" << 3;
        QTest::newRow("other case") << "dOG" << 3;
        QTest::newRow("first of two that differ in case") << "bee" << 1;
        QTest::newRow("no such line") << "Emu" << -1;
    }
    void xlist1SelectsTheLineOfThatText() {
        QFETCH(QString, text);
        QFETCH(int, row);
        Fixture f;
        f.setItems(texts({"Ant", "Bee", "Cat", "Dog", "bee"}), numbers({0, 1, 2, 3, 4}));
        f.put("xlist1", Variant("Cat"));
        QCOMPARE(f.put("xlist1", Variant(text)), S_OK);
        QCOMPARE(f.list()->currentRow(), row);
        // It reads the line as it stands, not the text it was given.
        QCOMPARE(f.get("xlist1").toString(), row < 0 ? QString() : f.lines()[row]);
        QCOMPARE(f.site.notices, QStringList({"xlist1", "xlist1"}));
    }

    void appearanceIsKeptNotShown_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<bool>("saved");
        QTest::newRow("ForeColor") << "ForeColor" << Variant(int32_t(255)) << true;
        QTest::newRow("Enabled") << "Enabled" << Variant(true) << true;
        QTest::newRow("Font") << "Font" << Variant(QFont("Monospace", 20)) << true;
        QTest::newRow("BackStyle") << "BackStyle" << Variant(int16_t(1)) << true;
        QTest::newRow("BorderStyle") << "BorderStyle" << Variant(int16_t(1)) << true;
        QTest::newRow("BackColor") << "BackColor" << Variant(int32_t(0xFF)) << false;
    }
    void appearanceIsKeptNotShown() {
        QFETCH(QString, property);
        QFETCH(Variant, value);
        QFETCH(bool, saved);
        Fixture f;
        const QImage before = f.view()->grab().toImage();
        const uint16_t flag = property == "Font" ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
        QCOMPARE(f.put(property, value, flag), S_OK);
        QCOMPARE(f.site.notices, QStringList({property}));
        QVERIFY(f.get(property).sameValue(value));
        QCOMPARE(f.view()->grab().toImage(), before);
        RecordingBag bag;
        QCOMPARE(f.control->Save(&bag, 1, 0), S_OK);
        QCOMPARE(bag.writes, saved ? QStringList({property}) : QStringList());
    }

    void readOrder() {
        Fixture f;
        RecordingBag bag;
        QCOMPARE(f.control->Load(&bag, nullptr), S_OK);
        QCOMPARE(bag.reads,
                 QStringList({"ForeColor", "Enabled",   "Font",     "BackStyle", "BorderStyle",
                              "BackColor", "BackColor", "xlabel2",  "xlist1",    "xlabel1",
                              "item1",     "item2",     "item3",    "item4",     "val1",
                              "val2",      "val3",      "val4",     "item0",     "val0",
                              "curlist0",  "curlist1",  "curlist2", "curlist3",  "curlist4"}));
        QVERIFY(f.site.notices.isEmpty());
    }

    void loadBackColor_data() {
        QTest::addColumn<bool>("given");
        QTest::addColumn<QString>("labelColour");
        QTest::addColumn<int>("stored");
        QTest::newRow("with BackColor") << true << "#ff0000" << 0xFF;
        QTest::newRow("without BackColor") << false << "#80ffff" << 0;
    }
    void loadBackColor() {
        QFETCH(bool, given);
        QFETCH(QString, labelColour);
        QFETCH(int, stored);
        Fixture f;
        MemoryPropertyBag bag;
        if (given) bag.Write("BackColor", Variant(int32_t(0xFF)));
        QCOMPARE(f.control->Load(&bag, nullptr), S_OK);
        QVERIFY(f.label("Label1")->styleSheet().contains(labelColour));
        QCOMPARE(f.get("BackColor"), Variant(int32_t(stored)));
    }

    void loadParameters() {
        Fixture f;
        MemoryPropertyBag bag;
        bag.Write("xlabel1", Variant("Smallest first"));
        bag.Write("item0", Variant("Mouse"));
        bag.Write("curlist4", Variant(int32_t(7)));
        bag.Write("Enabled", Variant(int16_t(-1)));
        QCOMPARE(f.control->Load(&bag, nullptr), S_OK);
        QCOMPARE(f.label("Label1")->text(), QStringLiteral("Smallest first"));
        QCOMPARE(f.label("Label2")->text(), QStringLiteral("Label2"));
        QCOMPARE(f.get("item0"), Variant("Mouse"));
        QCOMPARE(f.get("curlist4"), Variant(int32_t(7)));
        QCOMPARE(f.get("Enabled"), Variant(true));
        QVERIFY(f.lines().isEmpty()); // loading does not rebuild the list
    }

    void loadErrorNamesTheKey_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        QTest::newRow("font") << "Font" << Variant("Serif") << DISP_E_TYPEMISMATCH
                              << "Font: Type mismatch: a font object is needed";
        QTest::newRow("colour") << "ForeColor" << Variant("red") << DISP_E_TYPEMISMATCH
                                << "ForeColor: Type mismatch: \"red\" is not a number";
        QTest::newRow("too large") << "BorderStyle" << Variant(int32_t(70000)) << DISP_E_OVERFLOW
                                   << "BorderStyle: Overflow";
    }
    void loadErrorNamesTheKey() {
        QFETCH(QString, key);
        QFETCH(Variant, value);
        QFETCH(int, code);
        QFETCH(QString, error);
        Fixture f;
        MemoryPropertyBag bag;
        bag.Write(key, value);
        RecordingLog log;
        QCOMPARE(f.control->Load(&bag, &log), code);
        QCOMPARE(log.errors, QStringList{error});
        QCOMPARE(f.control->Load(&bag, nullptr), code); // the log is the container's choice
    }

    void saveWritesSixKeys() {
        Fixture f;
        MemoryPropertyBag params;
        params.Write("BackColor", Variant(int32_t(0xC0C0C0)));
        params.Write("xlabel1", Variant("Question"));
        f.control->Load(&params, nullptr);
        f.put("ForeColor", Variant(int32_t(1)));
        f.put("Enabled", Variant(true));
        f.put("Font", Variant(QFont("Monospace", 20)), DISPATCH_PROPERTYPUTREF);
        f.put("BackStyle", Variant(int16_t(1)));
        f.put("BorderStyle", Variant(int16_t(1)));
        f.setItems(texts({"A", "B", "C", "D", "E"}), numbers({0, 1, 2, 3, 4}));
        f.put("xlabel2", Variant("Below"));
        RecordingBag bag;
        QCOMPARE(f.control->Save(&bag, 1, 0), S_OK);
        QCOMPARE(bag.writes, QStringList({"ForeColor", "Enabled", "Font", "BackStyle",
                                          "BorderStyle", "BackColor"}));
        QCOMPARE(bag.value("BackColor"), Variant(int32_t(0xC0C0C0)));
        QCOMPARE(bag.value("Enabled"), Variant(true));
    }

    void runTimeItemsAreNotSaved() {
        MemoryPropertyBag bag;
        {
            Fixture f;
            f.setItems(texts({"A", "B", "C", "D", "E"}), texts({"a", "b", "c", "d", "e"}));
            QCOMPARE(f.control->Save(&bag, 1, 0), S_OK);
        }
        Fixture g;
        QCOMPARE(g.control->Load(&bag, nullptr), S_OK);
        QCOMPARE(g.family("item"), numbers({0, 0, 0, 0, 0}));
        QCOMPARE(g.family("curlist"), numbers({0, 0, 0, 0, 0}));
    }

    void helpShowsTheText() {
        Fixture f;
        QTest::mouseClick(f.view()->findChild<QPushButton*>("cmdHelp"), Qt::LeftButton);
        QCOMPARE(f.messages,
                 QStringList({"Sort the items listed.  Click on a line to move that item up one "
                              "level.  When all are in position, click 'Done'"}));
    }

    void designLayout() {
        Fixture f;
        QCOMPARE(f.view()->size(), QSize(413, 344));
        QCOMPARE(f.list()->geometry(), QRect(32, 80, 345, 124));
        QCOMPARE(f.view()->findChild<QPushButton*>("cmdHelp")->geometry(), QRect(32, 296, 65, 41));
        QCOMPARE(f.list()->font().pointSizeF(), 13.5);
    }
};

TRIVIA_TEST_MAIN(QsortTest)
#include "tst_qsort.moc"
