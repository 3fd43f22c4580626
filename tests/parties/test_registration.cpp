#include "PartyTestSupport.h"

#include <QFrame>

class TestRegistration final : public QObject {
    Q_OBJECT

private slots:
    void registerThenRestart();
    void refusals_data();
    void refusals();
    void firstEmptyFieldStops();
    void ownerStoredMeanwhileStaysTheOnlyOne();
    void unreadableOwnerTableShowsTheForm();
};

namespace {
const QString required = QStringLiteral("warning|Error|Este campo es obligatorio.");
const QString invalidNif = QStringLiteral("warning|Error|NiF/CiF no válido.");
const QString ownerTitle = QStringLiteral("Brivana - Reformas del Sur ( Corvena )");
const QStringList owner{ "b12345674", "Reformas del Sur", "Calle Mayor 1", "04001", "Almería", "Almería",
    "España" };

// The owner's values with field i replaced.
QStringList ownerWith(int i, const QString &value)
{
    QStringList values = owner;
    values[i] = value;
    return values;
}
} // namespace

void TestRegistration::registerThenRestart()
{
    PageFixture f;
    QVERIFY(f.start());
    const RegistrationPage &form = f.app->registrationPage();
    QCOMPARE(f.app->centralWidget(), form.frame);
    QVERIFY(f.app->tabs()->isHidden());
    QCOMPARE(f.app->windowTitle(), QStringLiteral("Brivana"));

    fill(form, form.technician, owner, 2);
    form.registerButton->click();
    f.verifyBoxes({ box::ownerRegistered });
    QCOMPARE(queryRows("SELECT nif, rs, dir, cp, pobl, prov, pais, tecn FROM admin"),
        (QList<QVariantList>{
            { "B12345674", "Reformas del Sur", "Calle Mayor 1", 4001, "Almería", "Almería", "España", 2 } }));
    QCOMPARE(f.app->windowTitle(), ownerTitle);
    QCOMPARE(f.app->centralWidget(), f.app->tabs());
    QVERIFY(!f.app->tabs()->isHidden());
    QVERIFY(form.frame->isHidden());
    QCOMPARE(form.name->text(), QStringLiteral("Reformas del Sur"));

    // After a restart the tabs show at once, and the owner is still refused as a party.
    f.app.reset();
    f.responder.clear();
    QVERIFY(f.start());
    QCOMPARE(f.app->centralWidget(), f.app->tabs());
    QVERIFY(f.app->registrationPage().frame->isHidden());
    QCOMPARE(f.app->windowTitle(), ownerTitle);
    typeText(f.app->partiesPage().nif, "B12345674");
    QCOMPARE(f.app->partiesPage().nif->text(), QString());
    f.verifyBoxes({ box::info("Póngase en contacto con la asesoría") });
}

// Checks run in form order and stop at the first failure; nothing is stored.
void TestRegistration::refusals_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("technician");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("markedField");

    QTest::newRow("identifier too short") << ownerWith(0, "1234567") << 0 << invalidNif << "registration.nif";
    QTest::newRow("identifier wrong") << ownerWith(0, "12345678A") << 0 << invalidNif << "registration.nif";
    QTest::newRow("identifier before empty fields")
        << QStringList{ "12345678A", "", "", "", "", "", "" } << -1 << invalidNif << "registration.nif";
    QTest::newRow("business name empty") << ownerWith(1, "") << 1 << required << "registration.name";
    QTest::newRow("country empty") << ownerWith(6, "") << 1 << required << "registration.country";
    QTest::newRow("fields before technician")
        << ownerWith(5, "") << -1 << required << "registration.province";
    QTest::newRow("no technician") << owner << -1 << required << "registration.technician";
}

void TestRegistration::refusals()
{
    QFETCH(QStringList, values);
    QFETCH(int, technician);
    QFETCH(QString, box);
    QFETCH(QString, markedField);

    PageFixture f;
    QVERIFY(f.start());
    const RegistrationPage &form = f.app->registrationPage();
    fill(form, form.technician, values, technician);
    form.registerButton->click();

    f.verifyBoxes({ box });
    auto *field = form.frame->findChild<QWidget *>(markedField);
    QVERIFY(marked(field));
    if (field == form.nif)
        QCOMPARE(f.app->focusWidget(), form.nif);
    QCOMPARE(queryValue("SELECT COUNT(*) FROM admin").toInt(), 0);
    QCOMPARE(f.app->centralWidget(), form.frame);
    QCOMPARE(f.app->windowTitle(), QStringLiteral("Brivana"));
    QCOMPARE(f.app->ownerNif(), QString());
}

void TestRegistration::firstEmptyFieldStops()
{
    PageFixture f;
    QVERIFY(f.start());
    const RegistrationPage &form = f.app->registrationPage();
    fill(form, form.technician, ownerWith(2, ""), -1);
    form.registerButton->click();
    QVERIFY(marked(form.address));
    QVERIFY(!marked(form.name));

    // Now the name is empty and the address filled: the address keeps its old mark.
    replaceText(form.address, "Calle Mayor 1");
    replaceText(form.name, QString());
    form.registerButton->click();
    QVERIFY(marked(form.name));
    QVERIFY(marked(form.address));
    QVERIFY(!marked(form.nif));
    f.verifyBoxes({ required, required });
}

// The form showed because the start could not read `admin`; an owner is there by the time
// "Registrar" is pressed.
void TestRegistration::ownerStoredMeanwhileStaysTheOnlyOne()
{
    PageFixture f;
    QVERIFY(f.start());
    const RegistrationPage &form = f.app->registrationPage();
    insertOwner();
    fill(form, form.technician, owner, 2);
    form.registerButton->click();

    f.verifyBoxes({ box::info("Ya hay un titular registrado: se muestran sus datos.") });
    QCOMPARE(
        queryRows("SELECT nif, rs FROM admin"), (QList<QVariantList>{ { "12345678Z", "Reformas del Sur" } }));
    QCOMPARE(f.app->ownerNif(), QStringLiteral("12345678Z"));
    QCOMPARE(f.app->windowTitle(), QStringLiteral("Brivana - Reformas del Sur ( Belisor )"));
    QCOMPARE(f.app->centralWidget(), f.app->tabs());
    QVERIFY(!f.app->tabs()->isHidden());
}

void TestRegistration::unreadableOwnerTableShowsTheForm()
{
    PageFixture f;
    QVERIFY(execStatement("CREATE TABLE admin (something TEXT)"));
    execStatement("INSERT INTO admin VALUES ('x')");
    QVERIFY(f.start());

    QVERIFY(f.settled());
    QCOMPARE(f.responder.boxes().size(), 1);
    QVERIFY2(boxLines(f.responder)[0].startsWith("critical|Error|")
            && f.responder.boxes()[0].text.contains("no such column"),
        qPrintable(boxLines(f.responder)[0]));
    QCOMPARE(f.app->centralWidget(), f.app->registrationPage().frame);
    QVERIFY(f.app->tabs()->isHidden());
    QCOMPARE(f.app->ownerNif(), QString());
}

QTEST_MAIN(TestRegistration)
#include "test_registration.moc"
