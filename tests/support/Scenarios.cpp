#include "support/Scenarios.h"

#include "support/GameScript.h"
#include "window/forms/CommandButton.h"
#include "window/forms/Label.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"
#include "window/forms/TextBox.h"

#include <QFile>
#include <QTest>

void playAlternating(ScriptedRandom& random, int pieces)
{
    for (int n = 0; n < pieces; ++n) random.play(drawsFor({static_cast<Integer>(n % 2 + 1)}));
}

void playToGameOver(TestForm& test)
{
    playAlternating(*test.random, 20);
    test.form->Command1_Click();
    QVERIFY(test.form->gameOver);
}

void expectReady(const Form1& f)
{
    QVERIFY(f.Command1->Visible());
    QVERIFY(f.ime->isEnabled());
    QVERIFY(f.o22->Enabled());
    QCOMPARE(f.lova->Caption(), QStringLiteral("0$"));
    QCOMPARE(f.cash, 0);
    QCOMPARE(columnsOf(f), QStringList(7, QString()));
    for (int i = 0; i <= 2; ++i) QVERIFY(!f.Dio(i)->Visible());
}

void loadOverTable(TestForm& test, const QByteArray& table)
{
    QFile file(test.directory.filePath(QStringLiteral("Vorn.nrz")));
    if (!file.open(QIODevice::WriteOnly) || file.write(table) != table.size()) qFatal("cannot write the table");
    file.close();
    test.form->Form_Load();
}

void loadOverDefaultTable(TestForm& test) { loadOverTable(test, QByteArray("Mirako\r\n0$\r\n").repeated(5)); }
