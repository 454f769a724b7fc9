// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/printzones.h"
#include "formats/twips.h"
#include "formats/valuereader.h"

#include <QTest>

class TestValues : public QObject {
    Q_OBJECT
private slots:
    void readsNumbers_data();
    void readsNumbers();
    void refusesNumbers_data();
    void refusesNumbers();
    void readsTexts_data();
    void readsTexts();
    void refusesTexts_data();
    void refusesTexts();
    void wordsEndAtBlanksEvenAfterQuotes();
    void messagesQuoteLittleOfAHugeValue();
    void zonedTextsNeverTouchTheNextValue_data();
    void zonedTextsNeverTouchTheNextValue();
    void twipsConvertAtFifteenAPixel_data();
    void twipsConvertAtFifteenAPixel();
};

void TestValues::readsNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("value");
    QTest::newRow("plain") << "2" << 2LL;
    QTest::newRow("negative") << "-32768" << -32768LL;
    QTest::newRow("plus sign") << "+4" << 4LL;
    QTest::newRow("minus zero") << "-0" << 0LL;
    QTest::newRow("leading zeros") << "007" << 7LL;
    QTest::newRow("fraction of zero") << "2.0" << 2LL;
    QTest::newRow("longer fraction of zero") << "-3.000" << -3LL;
    QTest::newRow("bare point") << "5." << 5LL;
    QTest::newRow("quoted") << "\"6\"" << 6LL;
    QTest::newRow("blanks around") << "  9  ,x" << 9LL;
}

void TestValues::readsNumbers() {
    QFETCH(QString, text);
    QFETCH(qlonglong, value);
    ValueReader in(text);
    QCOMPARE(in.number(-32768, 32767, "difficulty"), value);
    QCOMPARE(in.error(), "");
}

void TestValues::refusesNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("fraction") << "2.5"
                              << "The difficulty \"2.5\" is not a whole number";
    QTest::newRow("small fraction") << "2.0001"
                                    << "The difficulty \"2.0001\" is not a whole number";
    QTest::newRow("two points") << "2.0.0"
                                << "The difficulty \"2.0.0\" is not a number";
    QTest::newRow("no whole part") << ".5"
                                   << "The difficulty \".5\" is not a number";
    QTest::newRow("word") << "two"
                          << "The difficulty \"two\" is not a number";
    QTest::newRow("empty") << ",1"
                           << "The difficulty \"\" is not a number";
    QTest::newRow("sign alone") << "-"
                                << "The difficulty \"-\" is not a number";
    QTest::newRow("beyond the field") << "40000"
                                      << "The difficulty 40000 is out of range (-32768 to 32767)";
    QTest::newRow("beyond any integer") << "99999999999999999999"
                                        << "The difficulty 99999999999999999999 is out of range";
    QTest::newRow("nothing left") << "  \r\n"
                                  << "The file ends in the middle of a record";
}

void TestValues::refusesNumbers() {
    QFETCH(QString, text);
    QFETCH(QString, error);
    ValueReader in(text);
    QCOMPARE(in.number(-32768, 32767, "difficulty"), std::nullopt);
    QCOMPARE(in.error(), error);
    // After a failure nothing more is read.
    QCOMPARE(in.text(), std::nullopt);
    QCOMPARE(in.error(), error);
}

void TestValues::readsTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("quoted and plain")
        << "\"Lion\", African lion ,x" << QStringList{"Lion", "African lion", "x"};
    QTest::newRow("comma inside quotes")
        << "\"Lion, African\",b" << QStringList{"Lion, African", "b"};
    QTest::newRow("line end inside quotes")
        << "\"Sea\r\nlion\",b" << QStringList{"Sea\r\nlion", "b"};
    QTest::newRow("junk after the quote") << "\"Lion\"junk,b" << QStringList{"Lion", "b"};
    QTest::newRow("empty quotes") << "\"\",b" << QStringList{"", "b"};
    QTest::newRow("leading blank lines") << "\r\n  \r\n\"Lion\",b" << QStringList{"Lion", "b"};
    QTest::newRow("longest value")
        << QString(1000, 'x') + ",b" << QStringList{QString(1000, 'x'), "b"};
}

void TestValues::readsTexts() {
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    ValueReader in(text);
    QStringList read;
    while (!in.atEnd())
        read << in.text().value_or("FAILED");
    QCOMPARE(read, values);
    QCOMPARE(in.error(), "");
}

void TestValues::refusesTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("quote inside a plain text")
        << "Say \"cheese\",b"
        << "The name Say \"cheese\" holds a double quote, which the file cannot hold";
    QTest::newRow("no closing quote") << "\"Lion,b"
                                      << "A text value has no closing quote";
    QTest::newRow("too long") << QString(1001, 'x')
                              << "The name \"" + QString(40, 'x') + QChar(0x2026) +
                                     "\" is longer than 1000 characters";
    QTest::newRow("too long in quotes")
        << "\"" + QString(1001, '%') + "1\""
        << "The name \"" + QString(40, '%') + QChar(0x2026) + "\" is longer than 1000 characters";
}

void TestValues::refusesTexts() {
    QFETCH(QString, text);
    QFETCH(QString, error);
    ValueReader in(text);
    QCOMPARE(in.text("name"), std::nullopt);
    QCOMPARE(in.error(), error);
}

void TestValues::wordsEndAtBlanksEvenAfterQuotes() {
    ValueReader in("\"a b\"  \"\"   007 ab\"c,-0\r\n rest of, the line \r\nnext");
    QCOMPARE(in.word(), "a b");
    QCOMPARE(in.word(), "");
    QCOMPARE(in.word(), "007");
    QCOMPARE(in.word(), "ab\"c");
    QCOMPARE(in.word(), "-0");
    QCOMPARE(in.restOfLine(), "rest of, the line");
    QCOMPARE(in.word(), "next");
    QVERIFY(in.atEnd());
    QCOMPARE(in.error(), "");
}

void TestValues::messagesQuoteLittleOfAHugeValue() {
    const QString huge(1'000'000, '1');
    for (const QString& value : {huge, huge + ".5", "x" + huge}) {
        ValueReader in(value);
        QVERIFY(!in.number(0, 10, "difficulty"));
        QVERIFY2(in.error().size() < 120, qPrintable(in.error().left(200)));
        QVERIFY(in.error().contains(QChar(0x2026)));
    }
}

void TestValues::zonedTextsNeverTouchTheNextValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("13 characters") << "abcdefghijklm"
                                   << "abcdefghijklm -1 \r\n";
    QTest::newRow("14 characters") << "abcdefghijklmn"
                                   << "abcdefghijklmn              -1 \r\n";
    QTest::newRow("28 characters")
        << QString(28, 'a') << QString(28, 'a') + QString(14, ' ') + "-1 \r\n";
    QTest::newRow("empty") << "" << QString(14, ' ') + "-1 \r\n";
}

void TestValues::zonedTextsNeverTouchTheNextValue() {
    QFETCH(QString, text);
    QFETCH(QString, line);
    QCOMPARE(PrintZoneLine().text(text).number(-1).toString(), line);
}

// The game and the control library place their widgets by this one rule.
void TestValues::twipsConvertAtFifteenAPixel_data() {
    QTest::addColumn<int>("twipsValue");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("rounds down") << 22 << 1;
    QTest::newRow("rounds up") << 23 << 2;
    QTest::newRow("a form") << 6600 << 440;
    QTest::newRow("negative, under half a pixel") << -7 << 0;
    QTest::newRow("negative, over half a pixel") << -8 << -1;
    QTest::newRow("negative rounds toward zero") << -22 << -1;
    QTest::newRow("negative rounds away from zero") << -23 << -2;
}

void TestValues::twipsConvertAtFifteenAPixel() {
    QFETCH(int, twipsValue);
    QFETCH(int, pixels);
    QCOMPARE(twips(twipsValue), pixels);
}

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
