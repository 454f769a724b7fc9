// SPDX-License-Identifier: GPL-2.0-or-later
// What a container may do with a control of the library: keep what the control told it after
// the library is gone, and let go of the control in the middle of the control's own work.

#include "library.h"
#include "testmain.h"

#include "framework/propertybag.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace trivia;

namespace {

int32_t idOf(IDispatch* d, const QString& name) {
    int32_t id = 0;
    d->GetIDsOfNames(IID_NULL, &name, 1, 0, &id);
    return id;
}

Variant propertyOf(IDispatch* d, const QString& name) {
    Variant r;
    d->Invoke(idOf(d, name), IID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, &r, nullptr, nullptr);
    return r;
}

// One ctlQsort embedded as a plain container would: its own site, its own widget to hold it.
struct Embedded : IControlSite {
    IDispatch* dispatch = nullptr;
    IControl* control = nullptr;
    IPersistPropertyBag* persist = nullptr;
    QWidget container;
    QStringList notices;
    std::function<void()> onNotice;

    explicit Embedded(const Library& lib) {
        IClassFactory* factory = lib.factory(clsidQsort);
        factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&dispatch));
        factory->Release();
        dispatch->QueryInterface(IID_IControl, reinterpret_cast<void**>(&control));
        dispatch->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
        control->SetSite(this);
        persist->InitNew();
        QWidget* w = nullptr;
        control->GetWidget(&container, &w);
        container.show();
    }
    ~Embedded() { releaseAll(); }

    // What a container does when it is done with a control.
    void releaseAll() {
        if (control) control->Close();
        for (IUnknown* p : std::initializer_list<IUnknown*>{control, persist, dispatch})
            if (p) p->Release();
        control = nullptr;
        persist = nullptr;
        dispatch = nullptr;
    }

    HResult OnChanged(int32_t, const QString& name) override {
        notices << name;
        if (onNotice) onNotice();
        return S_OK;
    }
    HResult GetAmbientFont(QFont* font) override {
        *font = QFont(QStringLiteral("Serif"), 11);
        return S_OK;
    }

    HResult put(const QString& name, Variant v, ExcepInfo* e = nullptr) {
        DispParams p{&v, 1};
        return dispatch->Invoke(idOf(dispatch, name), IID_NULL, 0, DISPATCH_PROPERTYPUT, &p,
                                nullptr, e, nullptr);
    }
    Variant get(const QString& name) const { return propertyOf(dispatch, name); }
    void call(const QString& name) {
        dispatch->Invoke(idOf(dispatch, name), IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr,
                         nullptr, nullptr);
    }
    // The player clicks a line of the list.
    void clickLine(int row) {
        auto* list = container.findChild<QListWidget*>(QStringLiteral("List1"));
        list->setCurrentRow(row);
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QCoreApplication::processEvents();
    }
};

// Whether the characters of a text lie in the library's own code or data.
bool inLibrary(const QString& s) {
    Dl_info info{};
    return !s.isEmpty() && dladdr(s.constData(), &info) && info.dli_fname &&
           QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath() == libraryPath();
}

// A text a container kept, with a copy of what it read then.
struct Kept {
    QString what;
    QString text;
    QString then;
};

} // namespace

class ContainerTest : public QObject {
    Q_OBJECT

private slots:
    void keptStringsOutliveTheLibrary() {
        QList<Kept> kept;
        auto keep = [&](const QString& what, const QString& text) {
            kept.append({what, text, QString(text.constData(), text.size())});
        };
        Library lib;
        {
            Embedded c(lib);
            QCOMPARE(c.get("xlabel1").toString(), QStringLiteral("Label1"));
            keep("default caption xlabel1", c.get("xlabel1").toString());
            keep("default caption xlabel2", c.get("xlabel2").toString());
            ExcepInfo e;
            QCOMPARE(c.put("BackStyle", Variant(int32_t(70000)), &e), DISP_E_OVERFLOW);
            QCOMPARE(e.description, QStringLiteral("Overflow"));
            keep("error text", e.description);
            c.put("item1", Variant(true));
            c.put("item2", Variant(false));
            c.call("updatelist");
            c.put("xlist1", Variant("True"));
            keep("selected line", c.get("xlist1").toString());
            c.clickLine(1);
            c.clickLine(2);
            QCOMPARE(c.get("item0"), Variant("True"));
            QCOMPARE(c.get("item1"), Variant("False"));
            keep("moved True", c.get("item0").toString());
            keep("moved False", c.get("item1").toString());
            c.put("ForeColor", Variant(int32_t(255)));
            c.put("Enabled", Variant(true));
            for (const QString& name : c.notices)
                keep("change notice " + name, name);

            MemoryPropertyBag bag;
            QCOMPARE(c.persist->Save(&bag, 1, 0), S_OK);
            QCOMPARE(bag.keys(), QStringList({"ForeColor", "Enabled"}));
            for (const QString& key : bag.keys())
                keep("saved key " + key, key);

            ITypeInfo* info = nullptr;
            QCOMPARE(c.dispatch->GetTypeInfo(0, 0, &info), S_OK);
            MemberDesc m;
            for (uint32_t i = 0; succeeded(info->GetMemberDesc(i, &m)); ++i) {
                keep("member name", m.name);
                keep("type of " + m.name, m.type);
            }
            info->Release();
        }
        QCOMPARE(lib.canUnloadNow(), S_OK);
        QStringList borrowed;
        for (const Kept& k : kept)
            if (inLibrary(k.text)) borrowed << k.what + ": " + k.then;
        QVERIFY(lib.unload());
        QVERIFY(!libraryMapped());
        QVERIFY2(borrowed.isEmpty(), qPrintable("lent from the library: " + borrowed.join(", ")));
        for (const Kept& k : kept)
            QCOMPARE(k.text, k.then);
    }

    void releasedInsideANotice_data() {
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<bool>("keepReference");
        QTest::addColumn<QStringList>("notices");
        QTest::newRow("click, released") << true << false << QStringList{"item0"};
        QTest::newRow("click, closed but kept") << true << true << QStringList{"item0"};
        QTest::newRow("property let, released") << false << false << QStringList{"xlabel1"};
    }
    void releasedInsideANotice() {
        QFETCH(bool, byClick);
        QFETCH(bool, keepReference);
        QFETCH(QStringList, notices);
        Library lib;
        {
            Embedded c(lib);
            for (int k = 0; k < 5; ++k)
                c.put(QStringLiteral("item%1").arg(k), Variant(QStringLiteral("Animal %1").arg(k)));
            c.call("updatelist");
            c.notices.clear();
            IDispatch* kept = c.dispatch;
            if (keepReference) kept->AddRef();
            c.onNotice = [&c] {
                c.onNotice = nullptr;
                c.releaseAll();
            };
            if (byClick)
                c.clickLine(3);
            else
                c.put("xlabel1", Variant("Smallest first"));
            QCOMPARE(c.notices, notices);
            QVERIFY(c.container.findChildren<QWidget*>().isEmpty());
            if (keepReference) {
                QCOMPARE(lib.canUnloadNow(), S_FALSE);
                // The move went on to its end for the container that still holds it.
                QCOMPARE(propertyOf(kept, "item2"), Variant("Animal 3"));
                QCOMPARE(propertyOf(kept, "item3"), Variant("Animal 2"));
                QCOMPARE(kept->Release(), 0u);
            }
        }
        QCOMPARE(lib.canUnloadNow(), S_OK);
        QVERIFY(lib.unload());
        QVERIFY(!libraryMapped());
    }

    // The help box waits for the player; the container lets go of the control meanwhile.
    void releasedWhileTheHelpBoxIsOpen() {
        Library lib;
        {
            Embedded c(lib);
            QString shown;
            QTimer::singleShot(0, [&] {
                QWidget* box = QApplication::activeModalWidget();
                QVERIFY(box);
                shown = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
                c.releaseAll();
                QCOMPARE(lib.canUnloadNow(), S_FALSE);
                box->close();
            });
            QTest::mouseClick(c.container.findChild<QPushButton*>(QStringLiteral("cmdHelp")),
                              Qt::LeftButton);
            QVERIFY(shown.startsWith(QStringLiteral("Sort the items listed.")));
            QVERIFY(c.container.findChildren<QWidget*>().isEmpty());
        }
        QCOMPARE(lib.canUnloadNow(), S_OK);
        QVERIFY(lib.unload());
    }
};

TRIVIA_TEST_MAIN(ContainerTest)
#include "tst_container.moc"
