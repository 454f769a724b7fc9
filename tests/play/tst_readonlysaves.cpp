// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"
#include "editor/animallist.h"
#include "knowledge/animalfile.h"
#include "play/gamefolders.h"
#include "play/programstate.h"
#include "play/settingsfile.h"
#include "recordingui.h"
#include "testfolder.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Every file the game rewrites, in a folder the player may not add files to: a copy of the
// game on a shared or read-only medium, whose files were left writable.
namespace {

const QFileDevice::Permissions readOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
const QFileDevice::Permissions folderReadOnly =
    readOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

QByteArray animalsText(const Knowledge& kb) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeAnimals(buffer, kb);
    return buffer.data();
}

// Saves one of the files; the bytes it should then hold.
QByteArray save(const QString& file, ProgramState& state) {
    if (file == settingsFileName) {
        saveSettings(state.settings, state.ui);
        return settingsText(state.settings);
    }
    if (file == "velk.dat") {
        saveAnimals(state.knowledge, state.ui, file);
        return animalsText(state.knowledge);
    }
    storeAnimalList(state);
    return animalListText(state.knowledge, state.settings.minDifficulty,
                          state.settings.maxDifficulty)
        .toUtf8();
}

} // namespace

class TestReadOnlySaves : public QObject {
    Q_OBJECT
private slots:
    void savesIntoAReadOnlyFolder_data();
    void savesIntoAReadOnlyFolder();
};

void TestReadOnlySaves::savesIntoAReadOnlyFolder_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("fileWritable");
    for (const char* file : {settingsFileName, "velk.dat", animalListFileName}) {
        QTest::addRow("%s, writable", file) << QString(file) << true;
        QTest::addRow("%s, read-only too", file) << QString(file) << false;
    }
}

void TestReadOnlySaves::savesIntoAReadOnlyFolder() {
    QFETCH(QString, file);
    QFETCH(bool, fileWritable);
    TestFolder folder;
    RecordingUi ui;
    ProgramState state(ui);
    fill(state.knowledge, {beast("Lion", 1, 0, 1, 1), beast("Owl", 2, 1, 5, 1, {4})});
    state.settings.questionCount = 7;
    state.settings.maxDifficulty = 2;
    const QByteArray old = "what was saved before";
    folder.write(file, old);
    if (!fileWritable) QFile::setPermissions(folder.file(file), readOnly);
    QFile::setPermissions(folder.path(), folderReadOnly);
    if (QFileInfo(folder.path()).isWritable()) QSKIP("root writes into read-only folders");

    const QByteArray expected = save(file, state);
    QFile::setPermissions(folder.path(), folderReadOnly | QFileDevice::WriteOwner);

    const bool failed = !ui.messages.filter(QRegularExpression("could not|Cannot")).isEmpty();
    if (fileWritable) {
        QCOMPARE(folder.read(file), expected);
        QVERIFY2(!failed, qPrintable(ui.messages.join(" / ")));
    } else {
        QCOMPARE(folder.read(file), old); // a save that fails spoils nothing
        QVERIFY2(failed, qPrintable(ui.messages.join(" / ")));
        QVERIFY(ui.messages.last().contains(file));
    }
}

QTEST_GUILESS_MAIN(TestReadOnlySaves)
#include "tst_readonlysaves.moc"
