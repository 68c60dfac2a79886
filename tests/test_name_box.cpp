// The name box keeps to what the top-players file can store.
#include "scores/NameValidator.h"
#include "window/forms/TextBox.h"

#include <QTest>

namespace {

constexpr int kNameBoxLength = 8;

// QTest::keyClicks knows only ASCII keys; a non-ASCII key arrives as its text.
void typeText(QWidget& widget, const QString& text)
{
    QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, text, Qt::NoModifier);
}

}  // namespace

class TestNameBox : public QObject {
    Q_OBJECT

private slots:
    void nameBoxRefusesWhatDoesNotFit()
    {
        TextBox box(nullptr, QStringLiteral("Player"), kNameBoxLength);
        box.setValidator(new NameValidator(&box));
        box.clear();
        for (const char* typed : {"Ň", "a", "☃", "b", "И", "\U0001F600"}) typeText(box, QString::fromUtf8(typed));
        QCOMPARE(box.text(), QString::fromUtf8("Ňab"));
        box.insert(QStringLiteral("x\ny"));
        QCOMPARE(box.text(), QString::fromUtf8("Ňab"));
        box.insert(QString::fromUtf8("čšžćđłőű"));
        QCOMPARE(box.text(), QString::fromUtf8("Ňabčšžćđ"));
        QVERIFY(box.hasAcceptableInput());
    }
};

QTEST_MAIN(TestNameBox)
#include "test_name_box.moc"
