// SPDX-License-Identifier: GPL-2.0-or-later
// The game in German, French and Spanish: the catalogues, the names, Name me! and every
// screen, walked widget by widget for words that are not the language's.
#include "animals.h"
#include "app/mainmenu.h"
#include "editor/animalform.h"
#include "editor/animallist.h"
#include "history/sqlhistory.h"
#include "knowledge/programinfo.h"
#include "knowledge/wording.h"
#include "play/language.h"
#include "play/quizlog.h"
#include "play/startup.h"
#include "recordingui.h"
#include "screens/describeform.h"
#include "screens/matchform.h"
#include "screens/myanimalsform.h"
#include "screens/nameme.h"
#include "screens/namemeform.h"
#include "screens/oddout.h"
#include "screens/oddoutform.h"
#include "screens/playersforms.h"
#include "screens/scoreboardform.h"
#include "screens/setupform.h"
#include "testfolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

const QString program = QStringLiteral(VELK_PROGRAM_DIR);

// The catalogue's English texts and their translations; one left unfinished reads as empty.
QList<std::pair<QString, QString>> catalogue(const QString& lang) {
    QFile file(QStringLiteral(VELK_SOURCE_DIR "/translations/velk_%1.ts").arg(lang));
    QList<std::pair<QString, QString>> pairs;
    if (!file.open(QIODevice::ReadOnly)) return pairs;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source") pairs.append({xml.readElementText(), {}});
        if (xml.name() != u"translation" || pairs.isEmpty()) continue;
        const bool finished = xml.attributes().value("type").isEmpty();
        const QString text = xml.readElementText();
        pairs.last().second = finished ? text : QString();
    }
    return pairs;
}

// Every word a player may meet in the language: its catalogue, its animal names, and the
// names of the languages on offer.
QSet<QString> vocabulary(const QString& lang, const Knowledge& kb) {
    QString all = QString(programTitle) + " ";
    for (const auto& [english, translation] : catalogue(lang))
        all += translation + " ";
    for (int a = 1; a <= kb.animalCount; ++a)
        all += shownName(kb, 1, a) + " " + shownName(kb, 3, a) + " ";
    for (const QString& code : gameLanguages())
        all += languageOwnName(code) + " ";
    QSet<QString> words;
    static const QRegularExpression word("\\p{L}{3,}");
    for (auto it = word.globalMatch(all); it.hasNext();)
        words << it.next().captured().toLower();
    return words;
}

// What a window shows and says of itself: titles, texts, tool tips, names and list items.
QStringList textsOf(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(&window)) continue;
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        if (auto* box = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
    }
    return texts;
}

// A game over the delivered animals in one language, its files where the build put them.
struct Game {
    explicit Game(const QString& lang, int level = 1) {
        QVERIFY(loadDelivered(state.knowledge));
        state.folders = {folder.path(), program};
        state.settings.maxDifficulty = int16_t(level);
        buildCategoryTables(state.knowledge.tables, level);
        state.nameMeWorth = 6;
        state.random.seed(7);
        state.language.choose(lang);
        switchLanguage(state);
    }
    TestFolder folder;
    RecordingUi ui;
    ProgramState state{ui};
};

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void desktopLanguage_data();
    void desktopLanguage();
    void namesFileKeepsWhatItCanRead();
    void missingFilesLeaveEnglish();
    void catalogueIsComplete_data();
    void catalogueIsComplete();
    void everyAnimalIsNamedAndCanBeWon_data();
    void everyAnimalIsNamedAndCanBeWon();
    void everyScreenSpeaksTheLanguage_data();
    void everyScreenSpeaksTheLanguage();
    void theLogAndTheListStayEnglish();
    void theChoiceIsThePlayers();
};

void TestLanguages::desktopLanguage_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("language");
    QTest::addRow("nothing set") << QStringList{} << "en";
    QTest::addRow("LANG German") << QStringList{"LANG=de_DE.UTF-8"} << "de";
    QTest::addRow("LC_ALL before LANG") << QStringList{"LC_ALL=fr_FR", "LANG=de_DE"} << "fr";
    QTest::addRow("LC_MESSAGES before LANG")
        << QStringList{"LC_MESSAGES=es_ES.UTF-8", "LANG=de_DE"} << "es";
    QTest::addRow("LANGUAGE list first")
        << QStringList{"LANGUAGE=it:es:de", "LANG=fr_FR.UTF-8"} << "es";
    QTest::addRow("a language of none of ours") << QStringList{"LANG=it_IT.UTF-8"} << "en";
    QTest::addRow("C locale") << QStringList{"LC_ALL=C", "LANG=de_DE"} << "en";
    QTest::addRow("English before German") << QStringList{"LANGUAGE=en_GB:de"} << "en";
}

void TestLanguages::desktopLanguage() {
    QFETCH(QStringList, environment);
    QFETCH(QString, language);
    QProcessEnvironment env;
    for (const QString& pair : environment)
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    QCOMPARE(::desktopLanguage(env), language);
    QCOMPARE(effectiveLanguage({}, env), language);
    QCOMPARE(effectiveLanguage("fr", env), QString("fr")); // the player's choice wins
}

// Comments, broken lines and unknown animals are passed over; the rest is used.
void TestLanguages::namesFileKeepsWhatItCanRead() {
    QByteArray text = "# a comment\tLion\tLion\n"
                      "lion.jpg\tL\xc3\xb6we\tL\xc3\xb6we Gro\xc3\x9f\n"
                      "owl.jpg\tonly two fields\n"
                      "dragon.jpg\tDrache\tDrache\n"
                      "cat.jpg\t\tHauskatze\n"
                      "\n"
                      "pictures/dog.jpg\tHund\tHaushund\r\n";
    QBuffer in(&text);
    QVERIFY(in.open(QIODevice::ReadOnly));
    Knowledge kb;
    fill(kb, {beast("Lion", 1, 0, 1, 1), beast("Owl", 1, 1, 5, 1), beast("Cat", 1, 0, 1, 1),
              beast("Dog", 1, 0, 1, 1)});
    const char* pictures[] = {"", "pictures/lion.jpg", "pictures/owl.jpg", "pictures/cat.jpg",
                              "pictures/dog.jpg"};
    for (int a = 1; a <= 4; ++a)
        kb.animals[size_t(a)].picture = pictures[a];
    kb.localNames.read(in);
    QCOMPARE(shownName(kb, 1, 1), QString::fromUtf8("Löwe"));
    QCOMPARE(shownName(kb, 3, 1), QString::fromUtf8("Löwe Groß"));
    QCOMPARE(shownName(kb, 1, 2), kb.animals[2].name);     // a line of two fields
    QCOMPARE(shownName(kb, 3, 3), kb.animals[3].fullName); // an empty short name
    QCOMPARE(shownName(kb, 3, 4), QString("Haushund"));    // a folder and a CR are no matter
}

// A program folder without catalogues or names plays in English, and says nothing.
void TestLanguages::missingFilesLeaveEnglish() {
    TestFolder empty;
    RecordingUi ui;
    ProgramState state{ui};
    QVERIFY(loadDelivered(state.knowledge));
    state.folders = {empty.path(), empty.path()};
    empty.write("translations/velk_de.qm", "not a catalogue");
    empty.write("names/de.tsv", QByteArray(3000, '\0'));
    state.language.choose("de");
    switchLanguage(state);
    QCOMPARE(state.language.code(), QString("de"));
    QCOMPARE(QCoreApplication::translate("MainMenu", "Play"), QString("Play"));
    QCOMPARE(shownName(state.knowledge, 1, 1), state.knowledge.animals[1].name);
    QCOMPARE(ui.messages, QStringList());
}

void TestLanguages::catalogueIsComplete_data() {
    QTest::addColumn<QString>("lang");
    for (const char* lang : {"de", "fr", "es"})
        QTest::newRow(lang) << QString(lang);
}

// Nothing left unfinished, and every placeholder of the English text is in the translation.
void TestLanguages::catalogueIsComplete() {
    QFETCH(QString, lang);
    const auto pairs = catalogue(lang);
    QVERIFY(pairs.size() > 100);
    static const QRegularExpression placeholder("%\\d");
    for (const auto& [english, translation] : pairs) {
        QVERIFY2(!translation.isEmpty(), qPrintable(english));
        for (auto it = placeholder.globalMatch(english); it.hasNext();)
            QVERIFY2(translation.contains(it.next().captured()), qPrintable(english));
    }
}

void TestLanguages::everyAnimalIsNamedAndCanBeWon_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<int>("level");
    for (const char* lang : {"de", "fr", "es"})
        for (int level : {1, 3})
            QTest::addRow("%s, level %d", lang, level) << QString(lang) << level;
}

// Every delivered animal has a name of the language, and pressing the on-screen keys of the
// language, each letter once, wins it.
void TestLanguages::everyAnimalIsNamedAndCanBeWon() {
    QFETCH(QString, lang);
    QFETCH(int, level);
    Game all(lang, level);
    const Knowledge& kb = all.state.knowledge;
    for (int a = 1; a <= kb.animalCount; ++a) {
        const AnimalRecord& animal = kb.animals[size_t(a)];
        QVERIFY2(kb.localNames.find(animal.picture), qPrintable(animal.picture));
        Game one(lang, level);
        Knowledge& only = one.state.knowledge;
        only.animals[1] = animal;
        only.animals[1].difficulty = 1;
        only.animalCount = 1;
        only.questionType = QuestionType::NameMe;
        NameMeGame word(one.state);
        QVERIFY(word.load());
        QCOMPARE(word.hiddenWord(), shownName(only, level, 1).toUpper());
        // No letter is given away: an accented one is guessed too.
        static const QRegularExpression letter("\\p{L}");
        QVERIFY2(!word.wordMask().contains(letter), qPrintable(word.hiddenWord()));
        for (QChar key : NameMeGame::keys(lang)) {
            const auto same = [key](QChar c) { return NameMeGame::guessed(c) == key; };
            const QString& hidden = word.hiddenWord();
            if (!word.over() && std::any_of(hidden.begin(), hidden.end(), same)) word.press(key);
        }
        QVERIFY2(word.over() && word.misses() == 0, qPrintable(word.hiddenWord()));
        QCOMPARE(one.ui.messages, QStringList());
    }
}

void TestLanguages::everyScreenSpeaksTheLanguage_data() {
    catalogueIsComplete_data();
}

void TestLanguages::everyScreenSpeaksTheLanguage() {
    QFETCH(QString, lang);
    Game game(lang, 3);
    const QSet<QString> words = vocabulary(lang, game.state.knowledge);
    const auto ask = [&](int qtype) {
        game.state.knowledge.questionType = questionTypeFromNumber(qtype);
    };
    const auto speaks = [&](const QWidget& window, const QSet<QString>& english) {
        static const QRegularExpression word("\\p{L}{3,}");
        for (const QString& text : textsOf(window))
            for (auto it = word.globalMatch(text); it.hasNext();) {
                const QString w = it.next().captured();
                QVERIFY2(words.contains(w.toLower()) || english.contains(w.toLower()),
                         qPrintable(window.objectName() + ": " + w + " in " + text));
            }
    };
    const auto check = [&](QWidget* window, const QSet<QString>& english = {}) {
        window->show();
        speaks(*window, english);
        delete window;
    };
    // The main menu starts the game in a folder of its own, with the delivered files.
    TestFolder menuFolder;
    for (const QString dir : {"translations", "names"})
        for (QDir(menuFolder.path()).mkpath(dir);
             const QString& name : QDir(program + "/" + dir).entryList(QDir::Files))
            QFile::copy(program + "/" + dir + "/" + name, menuFolder.file(dir + "/" + name));
    for (const QString& name : QStringList{"velk.dat", "velk.INI", "velkhelp." + lang + ".txt"})
        QFile::copy(program + "/" + name, menuFolder.file(name));
    {
        RecordingUi ui;
        ProgramState state{ui};
        state.language.choose(lang);
        auto* menu = new MainMenu(state, menuFolder.path());
        menu->findChild<QAbstractButton*>("cmdhelp")->click(); // the help of the language
        QCOMPARE(QFileInfo(ui.viewerFiles.value(0)).fileName(), "velkhelp." + lang + ".txt");
        check(menu);
        QCOMPARE(ui.messages, QStringList());
    }
    // The players' screens, with a history begun in the language and a second player, whose
    // name is the family's own.
    game.state.players.setOpener([&game] { return openSqlHistory(game.folder.path(), game.ui); });
    check(new SetupForm(game.state));
    History* history = game.state.players.history();
    QVERIFY(history);
    QVERIFY(history->addPlayer("Mia", {}));
    check(new PlayersForm(game.state, *history), {"mia"});
    Thumbnails thumbnails;
    check(new MyAnimalsForm(game.state, thumbnails), {"mia"});
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        asked = true;
        speaks(*chooser, {"mia"});
        chooser->reject();
    });
    askWhoIsPlaying(game.state, nullptr);
    QVERIFY(asked);
    // The editor edits velk.dat's English names, and shows the language's beside them.
    QSet<QString> englishNames;
    for (int a = 1; a <= game.state.knowledge.animalCount; ++a)
        for (const QString& w : game.state.knowledge.animals[size_t(a)].fullName.split(' '))
            englishNames << w.toLower();
    check(new AnimalForm(game.state), englishNames);
    buildCategoryTables(game.state.knowledge.tables, 3);
    for (int qtype : {3, 4, 5}) {
        ask(qtype);
        check(new DescribeForm(game.state));
    }
    for (int qtype : {6, 7, 8, 9}) {
        ask(qtype);
        check(new OddOneOutForm(game.state));
    }
    ask(2);
    check(new MatchForm(game.state));
    ask(1);
    check(new NameMeForm(game.state));
    game.state.knowledge.questionType = QuestionType::OddBiome;
    OddOneOutQuestion odd(game.state);
    QVERIFY(odd.load());
    odd.answer(0);
    check(new ScoreBoard(game.state));
    for (const QString& said : game.ui.scoreBoards + game.ui.messages)
        for (const QString& w : said.split(QRegularExpression("[^\\p{L}]+"), Qt::SkipEmptyParts))
            QVERIFY2(w.size() < 3 || words.contains(w.toLower()), qPrintable(said));
}

// Other programs read the log and the animal list: they keep the English words whatever the
// player reads.
void TestLanguages::theLogAndTheListStayEnglish() {
    QString englishList;
    {
        Game english("en", 3);
        englishList = animalListText(english.state.knowledge, 1, 3);
    }
    {
        Game german("de", 3);
        QCOMPARE(animalListText(german.state.knowledge, 1, 3), englishList);
    }
    Game german("de", 1);
    german.state.settings.logLevel = 0;
    german.state.knowledge.questionType = QuestionType::OddClass;
    OddOneOutQuestion odd(german.state);
    QVERIFY(odd.load());
    const int wrong = odd.animalAt(0) == german.state.knowledge.chosen[1] ? 1 : 0;
    odd.answer(wrong);
    const QString log = QString::fromUtf8(readFile(quizLogFileName));
    QVERIFY2(log.startsWith("Odd one out -- class\r\nNo, "), qPrintable(log));
    QVERIFY2(log.contains(" is not "), qPrintable(log));
    QVERIFY(
        german.ui.scoreBoards.last().startsWith(QString::fromUtf8("Ergebnis: Was passt nicht?")));
}

// The settings screen's choice goes into the player's own file, shows on the next screen,
// and "As the desktop" empties it again.
void TestLanguages::theChoiceIsThePlayers() {
    Game game("", 1);
    const QString file = game.folder.file("player.ini");
    game.state.language.load(file);
    {
        SetupForm setup(game.state);
        auto* box = setup.findChild<QComboBox*>("cboLanguage");
        QCOMPARE(box->currentIndex(), 0);
        box->setCurrentIndex(int(gameLanguages().indexOf("fr")) + 1);
    }
    QCOMPARE(PlayerFile(file).value("language"), QString("fr"));
    QCOMPARE(ScoreBoard(game.state).windowTitle(), QString("Score"));
    Language again;
    again.load(file);
    QCOMPARE(again.choice(), QString("fr"));
    {
        SetupForm setup(game.state);
        setup.findChild<QComboBox*>("cboLanguage")->setCurrentIndex(0);
    }
    QCOMPARE(PlayerFile(file).value("language", "none"), QString());
    QCOMPARE(game.state.language.code(), ::desktopLanguage());
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
