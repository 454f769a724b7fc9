// SPDX-License-Identifier: GPL-2.0-or-later
// A host that does not link the browser engine: the library brings it in, and unloading the
// library must not take the started engine out again.

#include "testmain.h"

#include "framework/interfaces.h"

#include <QFile>
#include <QPushButton>
#include <QWidget>

#include <dlfcn.h>

using namespace trivia;

namespace {

QByteArray maps() {
    QFile f(QStringLiteral("/proc/self/maps"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PlainHostTest : public QObject {
    Q_OBJECT

private slots:
    void browserEngineOutlivesTheLibrary() {
        QVERIFY(!maps().contains("libQt6WebEngineCore"));
        for (int round = 0; round < 2; ++round) {
            void* lib = dlopen(TRIVIA_LIBRARY, RTLD_NOW | RTLD_LOCAL);
            QVERIFY(lib);
            auto getClassObject = reinterpret_cast<int32_t (*)(const Guid*, const Guid*, void**)>(
                dlsym(lib, "DllGetClassObject"));
            auto canUnloadNow = reinterpret_cast<int32_t (*)()>(dlsym(lib, "DllCanUnloadNow"));
            constexpr Guid clsid = guid("{E5247A21-28CC-44CD-902E-69A381D0B555}");
            IClassFactory* factory = nullptr;
            QCOMPARE(getClassObject(&clsid, &IID_IClassFactory, reinterpret_cast<void**>(&factory)),
                     S_OK);
            IControl* control = nullptr;
            QCOMPARE(
                factory->CreateInstance(nullptr, IID_IControl, reinterpret_cast<void**>(&control)),
                S_OK);
            factory->Release();
            QWidget host;
            QWidget* widget = nullptr;
            QCOMPARE(control->GetWidget(&host, &widget), S_OK);
            host.show();
            QTest::mouseClick(widget->findChild<QPushButton*>("Command1"), Qt::LeftButton);
            QTest::qWait(200);
            control->Release();
            QCOMPARE(canUnloadNow(), S_OK);
            QCOMPARE(dlclose(lib), 0);
            QVERIFY(!maps().contains("libtrivia"));
            QVERIFY(maps().contains("libQt6WebEngineCore"));
            QTest::qWait(200); // the engine goes on running without the library
        }
    }
};

TRIVIA_TEST_MAIN(PlainHostTest)
#include "tst_plainhost.moc"
