// The widget boundary's GBK view of a Unicode text.
#include <QtTest>

#include "platform/qt_gbk.h"

using namespace qalcor;

class GbkLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void bytesAndOffsets_data();
    void bytesAndOffsets();
    void byteRangesWidenToWholeCharacters_data();
    void byteRangesWidenToWholeCharacters();
    void roundTripsThroughGbk();
};

void GbkLayoutTest::bytesAndOffsets_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("offsets");  // for every UTF-16 position
    QTest::newRow("ascii") << "1+2" << QByteArray("1+2") << QList<int>{0, 1, 2, 3};
    QTest::newRow("pi") << "1π2"
                        << QByteArray(
                               "1\xA6\xD0"
                               "2")
                        << QList<int>{0, 1, 3, 4};
    QTest::newRow("line break is CR LF")
        << "1\n2" << QByteArray("1\r\n2") << QList<int>{0, 1, 3, 4};
    QTest::newRow("paragraph separator")
        << QString("1") + QChar::ParagraphSeparator << QByteArray("1\r\n") << QList<int>{0, 1, 3};
    QTest::newRow("emoji is a question mark")
        << QString::fromUcs4(U"a\U0001F600b") << QByteArray("a?b") << QList<int>{0, 1, 1, 2, 3};
    QTest::newRow("empty") << "" << QByteArray() << QList<int>{0};
}

void GbkLayoutTest::bytesAndOffsets() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, offsets);
    const GbkLayout layout(text);
    QCOMPARE(QByteArray::fromStdString(layout.bytes()), bytes);
    for (int p = 0; p < offsets.size(); ++p)
        QCOMPARE(layout.byteOffset(p), offsets[p]);
    QCOMPARE(layout.byteOffset(-5), 0);
    QCOMPARE(layout.byteOffset(999), int(bytes.size()));
}

void GbkLayoutTest::byteRangesWidenToWholeCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("whole pi") << "1π2" << 1 << 3 << 1 << 2;
    QTest::newRow("lead byte of pi") << "1π2" << 1 << 2 << 1 << 2;
    QTest::newRow("trail byte of pi") << "1π2" << 2 << 3 << 1 << 2;
    QTest::newRow("between CR and LF") << "1\n2" << 2 << 3 << 1 << 2;
    QTest::newRow("an emoji is one byte") << QString::fromUcs4(U"\U0001F600") << 0 << 1 << 0 << 2;
    QTest::newRow("beyond the end") << "12" << 9 << 9 << 2 << 2;
}

void GbkLayoutTest::byteRangesWidenToWholeCharacters() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, first);
    QFETCH(int, last);
    const GbkLayout layout(text);
    QCOMPARE(layout.positionAtOrBefore(start), first);
    QCOMPARE(layout.positionAtOrAfter(end), last);
}

void GbkLayoutTest::roundTripsThroughGbk() {
    const QString text = QStringLiteral("var_半径*π\n＋1");
    QCOMPARE(fromGbk(toGbk(text)), text);
    QCOMPARE(fromGbk("a\r\nb"), QStringLiteral("a\nb"));
}

QTEST_MAIN(GbkLayoutTest)
#include "gbk_layout_test.moc"
