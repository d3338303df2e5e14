// Money, counts and percentages in the windows follow the language in force:
// "9.628,30" in Spanish, "9,628.30" in English, French grouped by its
// no-break space.
#include "framework/localize.h"
#include "widgets/number_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTest>

class TestNumberText : public QObject {
    Q_OBJECT

    static bool UseLanguage(const QString &file)
    {
        if (file.isEmpty()) {
            Localizer().UnloadLanguage();
            return true;
        }
        return Localizer().LoadLanguage(
            QDir(QCoreApplication::applicationDirPath()).filePath(file).toStdString());
    }

private slots:
    // A desktop speaking none of the three languages: each language's own notation.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void cleanupTestCase() { UseLanguage(QString()); }

    void numbersInTheLanguageInForce_data()
    {
        // French groups with the no-break space Qt's French locale gives.
        const QString fr = QLocale(QLocale::French).groupSeparator();
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("plainMoney");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("negative");
        QTest::newRow("spanish") << QString() << QStringLiteral("9.628,30") << QStringLiteral("9628,30")
                                 << QStringLiteral("76.275.360") << QStringLiteral("7,41 %")
                                 << QStringLiteral("-1.234,50");
        QTest::newRow("english") << QStringLiteral("QOREuroMillonv3_english.lng")
                                 << QStringLiteral("9,628.30") << QStringLiteral("9628.30")
                                 << QStringLiteral("76,275,360") << QStringLiteral("7.41 %")
                                 << QStringLiteral("-1,234.50");
        QTest::newRow("french") << QStringLiteral("QOREuroMillonv3_french.lng")
                                << QStringLiteral("9") + fr + QStringLiteral("628,30")
                                << QStringLiteral("9628,30")
                                << QStringLiteral("76") + fr + QStringLiteral("275") + fr +
                                       QStringLiteral("360")
                                << QStringLiteral("7,41 %")
                                << QStringLiteral("-1") + fr + QStringLiteral("234,50");
    }

    void numbersInTheLanguageInForce()
    {
        QFETCH(QString, file);
        QFETCH(QString, money);
        QFETCH(QString, plainMoney);
        QFETCH(QString, count);
        QFETCH(QString, percent);
        QFETCH(QString, negative);
        QVERIFY(UseLanguage(file));
        QCOMPARE(MoneyText(96283000), money); // 9628.30, held times 10000
        QCOMPARE(MoneyText(96283000, false), plainMoney);
        QCOMPARE(MoneyText(-12345000), negative);
        QCOMPARE(MoneyText(49999), MoneyText(50000)); // rounded half away from zero, like the core
        QCOMPARE(CountText(76275360), count);
        // "#,##0" groups four-digit figures too, though Qt's Spanish locale would not.
        QCOMPARE(CountText(1947).size(), 5);
        QCOMPARE(CountText(-1947).size(), 6);
        QCOMPARE(PercentText(7.4149), percent);
    }

    void frenchGroupsWithANoBreakSpace()
    {
        const QChar separator = QLocale(QLocale::French).groupSeparator().at(0);
        QVERIFY(separator == QChar(0x00A0) || separator == QChar(0x202F));
    }
};

QTEST_MAIN(TestNumberText)
#include "test_number_text.moc"
