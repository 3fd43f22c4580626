#include "PartyTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>

class TestRegister final : public QObject {
    Q_OBJECT

private slots:
    void firstAccountNumbersAndLists();
    void saveRefusals_data();
    void saveRefusals();
    void duplicatesWithinOneRole_data();
    void duplicatesWithinOneRole();
    void otherRoleOffered_data();
    void otherRoleOffered();
    void bothRolesRefused();
    void rectificarWritesNothing();
    void clearAsksAndUnlocks();
    void browseWrapsAround();
    void missingRecordLeavesBrowsing();
    void updateChangesOnlyTheAddress();
    void updateOfAVanishedRecordFails();
    void cutKeepsWholeCharacters_data();
    void cutKeepsWholeCharacters();
    void search_data();
    void search();
};

namespace {
const QString required = QStringLiteral("warning|Error|Este campo es obligatorio.");
const QString askClearing
    = QStringLiteral("warning|Información|¿Está seguro de que desea limpiar todos los campos?");
const QString offerAsSupplier
    = box::info("El Nif/Cif introducido ya corresponde a un cliente.\n¿Desea darlo de alta como proveedor?");
const QString offerAsClient
    = box::info("El Nif/Cif introducido ya corresponde a un proveedor.\n¿Desea darlo de alta como cliente?");
const QStringList empty(7);

QStringList party(const QString &nif, const QString &name)
{
    return { nif, name, "Calle Mayor 1", "04001", "almería", "almería", "España" };
}

// The window with an owner and, stored by hand before it starts, none, one or three
// parties: client "Alfa Obras" 11111111H as record 1, then supplier "Beta Suministros"
// 22222222J and supplier "Alfa Obras" 11111111H.
struct Fixture : PageFixture {
    bool start(int parties = 0)
    {
        insertOwner();
        if (parties > 0)
            insertParty(0, 43000001, "11111111H", "Alfa Obras");
        if (parties > 1) {
            insertParty(1, 40000001, "22222222J", "Beta Suministros");
            insertParty(1, 40000002, "11111111H", "Alfa Obras");
        }
        return PageFixture::start();
    }
    const PartiesPage &page() const { return app->partiesPage(); }
    QStringList texts() const { return textsOf(page().textFields()); }
    bool allReadOnly(bool readOnly) const
    {
        for (const QLineEdit *field : page().textFields()) {
            if (field->isReadOnly() != readOnly)
                return false;
        }
        return true;
    }
    // Entering (the "Continuar" mode) or browsing (the "Actualizar" mode), everything
    // that shows the mode.
    bool inMode(bool browsing) const
    {
        const PartiesPage &p = page();
        return app->editMode() == browsing
            && p.save->text() == (browsing ? QStringLiteral("Actualizar") : QStringLiteral("Continuar"))
            && p.browse->isHidden() == browsing && p.clear->isHidden() == browsing
            && p.previous->isHidden() != browsing && p.next->isHidden() != browsing
            && p.search->isHidden() != browsing && p.type->isEnabled() != browsing
            && p.nif->isReadOnly() == browsing && p.name->isReadOnly() == browsing;
    }
};

QList<QVariantList> partyRows()
{
    return queryRows("SELECT auid, type, id, nif, rs, dir, cp, pobl, prov, pais FROM cap ORDER BY auid");
}

QList<QVariantList> lasts()
{
    return queryRows("SELECT lastc, lastp FROM lasts");
}
} // namespace

void TestRegister::firstAccountNumbersAndLists()
{
    Fixture f;
    QVERIFY(f.start());
    const PartiesPage &page = f.page();

    // Nothing to browse yet: only the notice, and the mode stays.
    page.browse->click();
    QVERIFY(f.inMode(false));

    f.responder.answer({ "Guardar", "OK", "Guardar" });
    fill(page, page.type, party("11111111h", "Alfa Obras"), 0);
    page.save->click();
    QCOMPARE(page.type->currentIndex(), -1);
    QCOMPARE(f.texts(), empty);
    QCOMPARE(f.app->focusWidget(), page.type);
    fill(page, page.type, party("B12345674", "Beta Suministros"), 1);
    page.save->click();

    QCOMPARE(partyRows(),
        (QList<QVariantList>{ { 1, 0, 43000001, "11111111H", "Alfa Obras", "Calle Mayor 1", 4001, "almería",
                                  "almería", "España" },
            { 2, 1, 40000001, "B12345674", "Beta Suministros", "Calle Mayor 1", 4001, "almería", "almería",
                "España" } }));
    QCOMPARE(lasts(), (QList<QVariantList>{ { 43000001, 40000001 } }));
    QCOMPARE(f.app->recordCount(), 2);
    QCOMPARE(itemsOf(f.app->issuedPage().client), QStringList{ "Alfa Obras" });
    QCOMPARE(f.app->issuedPage().client->currentIndex(), -1);
    QCOMPARE(itemsOf(f.app->receivedPage().supplier), QStringList{ "Beta Suministros" });
    QCOMPARE(f.app->receivedPage().supplier->currentIndex(), -1);
    f.verifyBoxes({ box::info("Aún no se ha dado de alta a ningún usuario."), box::confirmSave,
        box::partySaved, box::confirmSave, box::partySaved });
}

// Type first, then the identifier, then the fields in order; a refused save keeps the form.
void TestRegister::saveRefusals_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("markedField");

    QStringList noCountry = party("11111111H", "Alfa Obras");
    noCountry[6].clear();
    const QStringList shortNif = party("1111111", "Alfa Obras");
    QTest::newRow("no type") << shortNif << -1 << required << "parties.type";
    QTest::newRow("identifier too short") << shortNif << 0 << "warning|Error|NiF/CiF no válido."
                                          << "parties.nif";
    QTest::newRow("name empty") << QStringList{ "11111111H", "", "", "", "", "", "" } << 1 << required
                                << "parties.name";
    QTest::newRow("country empty") << noCountry << 0 << required << "parties.country";
}

void TestRegister::saveRefusals()
{
    QFETCH(QStringList, values);
    QFETCH(int, type);
    QFETCH(QString, box);
    QFETCH(QString, markedField);

    Fixture f;
    QVERIFY(f.start());
    fill(f.page(), f.page().type, values, type);
    f.page().save->click();

    f.verifyBoxes({ box });
    QVERIFY(marked(f.page().frame->findChild<QWidget *>(markedField)));
    QCOMPARE(f.texts(), values);
    QCOMPARE(f.page().type->currentIndex(), type);
    QCOMPARE(queryValue("SELECT COUNT(*) FROM cap").toInt(), 0);
}

void TestRegister::duplicatesWithinOneRole_data()
{
    QTest::addColumn<QString>("nif");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("stored");

    QTest::newRow("same name, same role") << "22222222J"
                                          << "Alfa Obras" << false << 0 << false;
    QTest::newRow("same name, other role") << "22222222J"
                                           << "Alfa Obras" << false << 1 << true;
    // Accepting the offer fills the form; choosing "Cliente" again makes it a second client.
    QTest::newRow("same identifier, same role") << "11111111H"
                                                << "" << true << 0 << false;
}

void TestRegister::duplicatesWithinOneRole()
{
    QFETCH(QString, nif);
    QFETCH(QString, name);
    QFETCH(bool, offered);
    QFETCH(int, type);
    QFETCH(bool, stored);

    Fixture f;
    QVERIFY(f.start(1));
    const PartiesPage &page = f.page();

    if (offered)
        f.responder.answer("Sí");
    if (stored)
        f.responder.answer("Guardar");
    typeText(page.nif, nif);
    if (!offered)
        fill(page, page.type, party(QString(), name), -1);
    choose(page.type, type);
    page.save->click();

    f.verifyBoxes((offered ? QStringList{ offerAsSupplier } : QStringList())
        + (stored ? QStringList{ box::confirmSave, box::partySaved }
                  : QStringList{ "warning|Error|Este usuario ya ha sido dado de alta." }));
    QCOMPARE(queryValue("SELECT COUNT(*) FROM cap").toInt(), stored ? 2 : 1);
    QCOMPARE(queryValue("SELECT COUNT(*) FROM cap WHERE type=0").toInt(), 1);
}

void TestRegister::otherRoleOffered_data()
{
    QTest::addColumn<int>("storedType");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("box");

    QTest::newRow("client, no") << 0 << "No" << offerAsSupplier;
    QTest::newRow("client, yes") << 0 << "Sí" << offerAsSupplier;
    QTest::newRow("supplier, no") << 1 << "No" << offerAsClient;
    QTest::newRow("supplier, yes") << 1 << "Sí" << offerAsClient;
}

void TestRegister::otherRoleOffered()
{
    QFETCH(int, storedType);
    QFETCH(QString, answer);
    QFETCH(QString, box);

    Fixture f;
    insertOwner();
    insertParty(
        storedType, storedType == 0 ? 43000001 : 40000001, "Q1234567D", "Beta Obras", "Calle Real 2", 4002);
    QVERIFY(f.PageFixture::start());
    const PartiesPage &page = f.page();

    f.responder.answer(answer);
    // The lower-case last letter is upper-cased first; the offer must come once.
    typeText(page.nif, "q1234567d");
    if (answer == "No") {
        f.verifyBoxes({ box });
        QCOMPARE(f.texts(), empty);
        QCOMPARE(page.type->currentIndex(), -1);
        QVERIFY(f.allReadOnly(false));
        return;
    }

    const int otherType = 1 - storedType;
    QCOMPARE(page.type->currentIndex(), otherType);
    QCOMPARE(f.texts(),
        (QStringList{ "Q1234567D", "Beta Obras", "Calle Real 2", "4002", "almería", "almería", "España" }));
    // Offered as a supplier, the client's data are locked; the other way round they stay editable.
    QVERIFY(f.allReadOnly(storedType == 0));

    f.responder.answer("Guardar");
    page.save->click();
    QCOMPARE(queryRows("SELECT type, id, nif, rs, dir, cp FROM cap WHERE auid=2"),
        (QList<QVariantList>{ { otherType, otherType == 0 ? 43000001 : 40000001, "Q1234567D", "Beta Obras",
            "Calle Real 2", 4002 } }));
    QVERIFY(f.allReadOnly(false));
    f.verifyBoxes({ box, box::confirmSave, box::partySaved });
}

void TestRegister::bothRolesRefused()
{
    Fixture f;
    QVERIFY(f.start(3));
    typeText(f.page().nif, "11111111H");
    QCOMPARE(f.page().nif->text(), QString());
    QCOMPARE(f.page().name->text(), QString());
    f.verifyBoxes(
        { "warning|Advertencia|El Nif/Cif introducido ya corresponde a un cliente\ny a un proveedor y no "
          "puede volver a darlo de alta." });
}

void TestRegister::rectificarWritesNothing()
{
    Fixture f;
    QVERIFY(f.start());
    const QStringList values = party("11111111H", "Alfa Obras");
    fill(f.page(), f.page().type, values, 0);
    f.responder.answer("Rectificar");
    f.page().save->click();

    f.verifyBoxes({ box::confirmSave });
    QVERIFY(partyRows().isEmpty());
    QCOMPARE(lasts(), (QList<QVariantList>{ { 43000000, 40000000 } }));
    QCOMPARE(f.texts(), values);
    QCOMPARE(f.page().type->currentIndex(), 0);
    QCOMPARE(f.app->recordCount(), 0);
}

void TestRegister::clearAsksAndUnlocks()
{
    Fixture f;
    QVERIFY(f.start(1));
    const PartiesPage &page = f.page();

    // Accepting the client as a supplier locks the seven fields.
    f.responder.answer({ "Sí", "No" });
    typeText(page.nif, "11111111H");
    page.clear->click();
    QCOMPARE(page.name->text(), QStringLiteral("Alfa Obras"));
    QVERIFY(f.allReadOnly(true));

    f.responder.answer("Sí");
    page.clear->click();
    QCOMPARE(f.texts(), empty);
    QCOMPARE(page.type->currentIndex(), -1);
    QCOMPARE(f.app->focusWidget(), page.type);
    QVERIFY(f.allReadOnly(false));
    typeText(page.name, "Gamma");
    QCOMPARE(page.name->text(), QStringLiteral("Gamma"));
    f.verifyBoxes({ offerAsSupplier, askClearing, askClearing });
}

void TestRegister::browseWrapsAround()
{
    Fixture f;
    QVERIFY(f.start(3));
    const PartiesPage &page = f.page();

    page.browse->click();
    QVERIFY(f.inMode(true));
    QCOMPARE(f.texts(),
        (QStringList{ "11111111H", "Alfa Obras", "Calle Mayor 1", "4001", "almería", "almería", "España" }));
    // Record 1, then 3, 1, 2, 3 and 1 again: identifier and type.
    QStringList seen{ page.nif->text() + QString::number(page.type->currentIndex()) };
    for (QPushButton *button : { page.previous, page.next, page.next, page.next, page.next }) {
        button->click();
        seen << page.nif->text() + QString::number(page.type->currentIndex());
    }
    QCOMPARE(seen,
        (QStringList{ "11111111H0", "11111111H1", "11111111H0", "22222222J1", "11111111H1", "11111111H0" }));
    f.verifyBoxes({});
}

// A record number with no row behind it leaves browsing completely, "Limpiar" included.
void TestRegister::missingRecordLeavesBrowsing()
{
    Fixture f;
    insertOwner();
    insertParty(0, 43000001, "11111111H", "Alfa Obras");
    QVERIFY(execStatement("UPDATE cap SET auid=2"));
    QVERIFY(f.PageFixture::start());
    f.page().browse->click();
    f.verifyBoxes({ "critical|Error|Cliente o proveedor no encontrado." });
    QVERIFY(f.inMode(false));
    QCOMPARE(f.texts(), empty);
}

void TestRegister::updateChangesOnlyTheAddress()
{
    Fixture f;
    QVERIFY(f.start(3));
    const PartiesPage &page = f.page();
    QList<QVariantList> expected = partyRows();

    page.browse->click();
    page.previous->click();
    // The key fields do not take typing while browsing.
    typeText(page.nif, "1");
    typeText(page.name, "X");
    const QStringList address{ "Avenida Sur 9", "04700", "el ejido", "almería", "ESPAÑA" };
    for (int i = 0; i < address.size(); ++i)
        replaceText(page.textFields()[size_t(i + 2)], address[i]);
    page.save->click();

    expected[2] = { 3, 1, 40000002, "11111111H", "Alfa Obras", "Avenida Sur 9", 4700, "el ejido", "almería",
        "ESPAÑA" };
    QCOMPARE(partyRows(), expected);
    f.verifyBoxes({ box::info("Datos actualizados correctamente.") });
    QVERIFY(f.inMode(false));
    QCOMPARE(f.texts(), empty);
    QCOMPARE(page.type->currentIndex(), -1);
    QCOMPARE(f.app->recordCount(), 3);
}

// The shown record was removed by another program: nothing is updated, and the page says so.
void TestRegister::updateOfAVanishedRecordFails()
{
    Fixture f;
    QVERIFY(f.start(1));
    f.page().browse->click();
    QVERIFY(execStatement("DELETE FROM cap"));
    replaceText(f.page().address, "Avenida Sur 9");
    f.page().save->click();

    f.verifyBoxes({ box::error("No se ha actualizado ningún dato.") });
    QVERIFY(f.inMode(true));
    QCOMPARE(f.page().address->text(), QStringLiteral("Avenida Sur 9"));
}

// Names and addresses hold 64 units; where the cut falls inside a two-unit character
// the whole character goes, on this page and on the registration form alike.
void TestRegister::cutKeepsWholeCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted"); // at the start of the field
    QTest::addColumn<QString>("kept");

    const QString letters(63, 'a');
    const QString emoji = QStringLiteral("😀");
    QTest::newRow("pasted at the end") << QString() << letters + emoji << letters;
    QTest::newRow("typed at the end") << letters + emoji << QString() << letters;
    QTest::newRow("pasted before the text") << letters << emoji << letters;
    QTest::newRow("fits whole") << QString() << letters.left(62) + emoji << letters.left(62) + emoji;
}

void TestRegister::cutKeepsWholeCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);

    Fixture f;
    QVERIFY(f.start());
    const PartiesPage &page = f.page();
    fill(page, page.type, party("11111111H", "x"), 0);
    const RegistrationPage &form = f.app->registrationPage();
    QGuiApplication::clipboard()->setText(pasted);
    for (QLineEdit *field : { page.name, page.address, form.name, form.address }) {
        field->clear();
        typeText(field, typed);
        field->home(false);
        field->paste();
    }
    QCOMPARE(textsOf({ page.name, page.address, form.name, form.address }), QStringList(4, kept));

    f.responder.answer("Guardar");
    page.save->click();
    f.verifyBoxes({ box::confirmSave, box::partySaved });
    const QString stored = kept.toUtf8().toHex().toUpper();
    QCOMPARE(queryRows("SELECT hex(rs), hex(dir) FROM cap"), (QList<QVariantList>{ { stored, stored } }));
}

// Record 1 stays shown when the search finds nothing or the identifier is wrong.
const struct SearchCase {
    const char *name;
    bool supplier;
    const char *typed; // and shown upper-cased
    bool valid; // the search field white, or red
    const char *shownName;
    int shownType;
    QStringList boxes;
} searchCases[] = {
    { "client", false, "11111111h", true, "Alfa Obras", 0, {} },
    { "supplier", true, "11111111H", true, "Alfa Obras", 1, {} },
    { "other supplier", true, "22222222J", true, "Beta Suministros", 1, {} },
    { "not a client", false, "22222222J", true, "Alfa Obras", 0,
        { "warning|Error|No existe ningún usuario con el NiF/CiF introducido" } },
    { "wrong identifier", true, "22222222A", false, "Alfa Obras", 0, {} },
};

void TestRegister::search_data()
{
    addRows(searchCases);
}

void TestRegister::search()
{
    QFETCH(int, row);
    const SearchCase &c = searchCases[row];

    Fixture f;
    QVERIFY(f.start(3));
    const PartiesPage &page = f.page();

    page.browse->click();
    if (c.supplier)
        page.searchSupplier->click();
    typeText(page.searchNif, c.typed);

    QCOMPARE(page.searchNif->text(), QString(c.typed).toUpper());
    QCOMPARE(page.searchNif->styleSheet(), c.valid ? "background-color: white" : "background-color: red");
    QCOMPARE(page.name->text(), c.shownName);
    QCOMPARE(page.type->currentIndex(), c.shownType);
    QVERIFY(f.inMode(true));
    f.verifyBoxes(c.boxes);
}

QTEST_MAIN(TestRegister)
#include "test_register.moc"
