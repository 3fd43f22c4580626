#include "PartyTestSupport.h"

#include <QFrame>
#include <QPushButton>
#include <QTabWidget>

class TestRegistration final : public QObject {
    Q_OBJECT

private slots:
    void registerThenRestart();
    void refusals_data();
    void refusals();
    void firstEmptyFieldStops();
    void unreadableOwnerTableShowsTheForm();
};

namespace {
const QString required = QStringLiteral("warning|Error|Este campo es obligatorio.");
const QString invalidNif = QStringLiteral("warning|Error|NiF/CiF no válido.");

void fill(const RegistrationPage &form, const QStringList &values, int technician)
{
    const auto fields = form.textFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        replaceText(fields[i], values.at(int(i)));
    if (technician >= 0)
        choose(form.technician, technician);
}

const QStringList owner = { QStringLiteral("b12345674"), QStringLiteral("Reformas del Sur"),
    QStringLiteral("Calle Mayor 1"), QStringLiteral("04001"), QStringLiteral("Almería"),
    QStringLiteral("Almería"), QStringLiteral("España") };
} // namespace

void TestRegistration::registerThenRestart()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    {
        auto app = startWithToday(server);
        const RegistrationPage &form = app->registrationPage();
        QCOMPARE(app->centralWidget(), form.frame);
        QVERIFY(app->tabs()->isHidden());
        QCOMPARE(app->windowTitle(), QStringLiteral("Brivana"));

        fill(form, owner, 2);
        form.registerButton->click();

        QCOMPARE(describeBoxes(responder),
            QStringList{ QStringLiteral("information|Información|Se ha registrado correctamente.") });
        QCOMPARE(queryRows(QStringLiteral("SELECT nif, rs, dir, cp, pobl, prov, pais, tecn FROM admin")),
            (QList<QVariantList>{ { "B12345674", "Reformas del Sur", "Calle Mayor 1", 4001, "Almería",
                "Almería", "España", 2 } }));
        QCOMPARE(app->windowTitle(), QStringLiteral("Brivana - Reformas del Sur ( Corvena )"));
        QCOMPARE(app->centralWidget(), app->tabs());
        QVERIFY(!app->tabs()->isHidden());
        QVERIFY(form.frame->isHidden());
        QCOMPARE(form.name->text(), QStringLiteral("Reformas del Sur"));
        QVERIFY(boxesSettled(responder));
    }
    responder.clear();

    auto app = startWithToday(server);
    QCOMPARE(app->centralWidget(), app->tabs());
    QVERIFY(app->registrationPage().frame->isHidden());
    QCOMPARE(app->windowTitle(), QStringLiteral("Brivana - Reformas del Sur ( Corvena )"));
    typeText(app->partiesPage().nif, QStringLiteral("B12345674"));
    QCOMPARE(app->partiesPage().nif->text(), QString());
    QCOMPARE(describeBoxes(responder),
        QStringList{ QStringLiteral("information|Información|Póngase en contacto con la asesoría") });
    QVERIFY(boxesSettled(responder));
}

// Checks run in form order and stop at the first failure; nothing is stored.
void TestRegistration::refusals_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("technician");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("markedField");

    QStringList shortNif = owner;
    shortNif[0] = QStringLiteral("1234567");
    QStringList wrongNif = owner;
    wrongNif[0] = QStringLiteral("12345678A");
    QStringList onlyWrongNif = { QStringLiteral("12345678A"), "", "", "", "", "", "" };
    QStringList noName = owner;
    noName[1].clear();
    QStringList noCountry = owner;
    noCountry[6].clear();
    QStringList noProvince = owner;
    noProvince[5].clear();

    QTest::newRow("identifier too short") << shortNif << 0 << invalidNif << "registration.nif";
    QTest::newRow("identifier wrong") << wrongNif << 0 << invalidNif << "registration.nif";
    QTest::newRow("identifier before empty fields") << onlyWrongNif << -1 << invalidNif << "registration.nif";
    QTest::newRow("business name empty") << noName << 1 << required << "registration.name";
    QTest::newRow("country empty") << noCountry << 1 << required << "registration.country";
    QTest::newRow("fields before technician") << noProvince << -1 << required << "registration.province";
    QTest::newRow("no technician") << owner << -1 << required << "registration.technician";
}

void TestRegistration::refusals()
{
    QFETCH(QStringList, values);
    QFETCH(int, technician);
    QFETCH(QString, box);
    QFETCH(QString, markedField);

    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const RegistrationPage &form = app->registrationPage();
    fill(form, values, technician);
    form.registerButton->click();

    QCOMPARE(describeBoxes(responder), QStringList{ box });
    auto *field = form.frame->findChild<QWidget *>(markedField);
    QVERIFY(marked(field));
    if (field == form.nif)
        QCOMPARE(app->focusWidget(), form.nif);
    QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM admin")).toInt(), 0);
    QCOMPARE(app->centralWidget(), form.frame);
    QCOMPARE(app->windowTitle(), QStringLiteral("Brivana"));
    QCOMPARE(app->ownerNif(), QString());
    QVERIFY(boxesSettled(responder));
}

void TestRegistration::firstEmptyFieldStops()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const RegistrationPage &form = app->registrationPage();

    QStringList values = owner;
    values[2].clear();
    fill(form, values, -1);
    form.registerButton->click();
    QVERIFY(marked(form.address));
    QVERIFY(!marked(form.name));

    // Now the name is empty and the address filled: the address keeps its old mark.
    replaceText(form.address, QStringLiteral("Calle Mayor 1"));
    replaceText(form.name, QString());
    form.registerButton->click();
    QVERIFY(marked(form.name));
    QVERIFY(marked(form.address));
    QVERIFY(!marked(form.nif));
    QCOMPARE(describeBoxes(responder), (QStringList{ required, required }));
    QVERIFY(boxesSettled(responder));
}

void TestRegistration::unreadableOwnerTableShowsTheForm()
{
    ScratchDirectory scratch;
    QVERIFY(execStatement(QStringLiteral("CREATE TABLE admin (something TEXT)")));
    execStatement(QStringLiteral("INSERT INTO admin VALUES ('x')"));
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);

    QCOMPARE(responder.boxes().size(), 1);
    QCOMPARE(responder.boxes().first().icon, QMessageBox::Critical);
    QCOMPARE(responder.boxes().first().title, QStringLiteral("Error"));
    QVERIFY2(responder.boxes().first().text.contains(QStringLiteral("no such column")),
        qPrintable(responder.boxes().first().text));
    QCOMPARE(app->centralWidget(), app->registrationPage().frame);
    QVERIFY(app->tabs()->isHidden());
    QCOMPARE(app->ownerNif(), QString());
    QVERIFY(boxesSettled(responder));
}

QTEST_MAIN(TestRegistration)
#include "test_registration.moc"
