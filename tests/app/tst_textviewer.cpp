// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/formsui.h"
#include "testfolder.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The help opens in the desktop's viewer, and in a window of the game's own where the
// desktop has none. Fake viewers stand in for xdg-open.
namespace {

const QByteArray helpText = "Morvane Velkins\r\n\r\nHow to play: click the odd one out.\r\n";

QString viewer(const TestFolder& folder, const QByteArray& script) {
    folder.write("viewer", "#!/bin/sh\n" + script);
    QFile::setPermissions(folder.file("viewer"), QFile::ReadOwner | QFile::ExeOwner);
    return folder.file("viewer");
}

QWidget* ownWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "textWindow" && w->isVisible()) return w;
    return nullptr;
}

} // namespace

class TestTextViewer : public QObject {
    Q_OBJECT
private slots:
    void theDesktopsViewerOpensTheFile();
    void ownWindowWhereNoViewerStarts_data();
    void ownWindowWhereNoViewerStarts();
    void aMissingFileIsReported();
};

void TestTextViewer::theDesktopsViewerOpensTheFile() {
    TestFolder folder;
    folder.write("velkhelp.txt", helpText);
    // The viewer opens the file only once the call has returned: a call that waited for it
    // would never return.
    FormsUi ui(viewer(folder, "while [ ! -e go ]; do sleep 0.05; done\n"
                              "echo \"$1\" > opened\n"));
    ui.openTextViewer("velkhelp.txt");
    ui.openTextViewer("velkhelp.txt");
    folder.write("go", "");
    const QByteArray path = folder.file("velkhelp.txt").toUtf8();
    QTRY_COMPARE(folder.read("opened"), path + "\n");
    QTest::qWait(200); // both viewers have ended well: no window of our own follows
    QVERIFY(!ownWindow());
}

void TestTextViewer::ownWindowWhereNoViewerStarts_data() {
    QTest::addColumn<QByteArray>("script"); // empty: no viewer program at all
    QTest::newRow("no viewer program") << QByteArray();
    QTest::newRow("the viewer finds no program for text") << QByteArray("exit 3\n");
}

void TestTextViewer::ownWindowWhereNoViewerStarts() {
    QFETCH(QByteArray, script);
    TestFolder folder;
    folder.write("velkhelp.txt", helpText);
    FormsUi ui(script.isEmpty() ? folder.file("no-such-viewer") : viewer(folder, script));
    ui.openTextViewer("velkhelp.txt");

    QTRY_VERIFY(ownWindow());
    QWidget* window = ownWindow();
    QVERIFY(window->windowTitle().contains("velkhelp.txt"));
    auto* text = window->findChild<QPlainTextEdit*>("text");
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->toPlainText(), QString(helpText).remove('\r'));
    QCOMPARE(text->accessibleName(), "velkhelp.txt");
    QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose)); // the game may end while it is open

    QPointer<QWidget> closed = window;
    QTest::mouseClick(window->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!closed);
}

void TestTextViewer::aMissingFileIsReported() {
    TestFolder folder; // no help file
    FormsUi ui(viewer(folder, "exit 2\n"));
    QString said;
    QTimer answer; // plays the player, who reads the message and presses OK
    connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    answer.start(20);
    ui.openTextViewer("velkhelp.txt");
    QTRY_VERIFY(!said.isEmpty());
    QVERIFY2(said.contains("velkhelp.txt"), qPrintable(said));
    QVERIFY(!ownWindow());
}

QTEST_MAIN(TestTextViewer)
#include "tst_textviewer.moc"
