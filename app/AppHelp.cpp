// The help button of every page and the help box it opens.

#include "App.h"

#include "widgets/MessageBoxes.h"
#include "widgets/PageBuilder.h"

#include <QFrame>
#include <QPushButton>

namespace {

const QString helpIcon = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fileinfo-16.png");

const QString partiesHelp
    = QStringLiteral("Esta página sirve para dar de alta a sus clientes y a sus proveedores.\n\n"
                     "Elija primero si es un cliente o un proveedor, escriba su NiF/CiF y rellene "
                     "el resto de los datos. El NiF/CiF se pone en rojo mientras no es correcto. "
                     "Pulse \"Continuar\" para guardarlo: el programa le asigna su número de cuenta.\n\n"
                     "Con \"Ver registros\" puede recorrer los clientes y proveedores guardados con las "
                     "flechas, buscarlos por su NiF/CiF y corregir su dirección con \"Actualizar\".");

const QString issuedHelp
    = QStringLiteral("Aquí se anotan las facturas que usted emite a sus clientes.\n\n"
                     "Elija el cliente, escriba la serie, el número y la fecha, y el tipo de factura. "
                     "Después escriba la base imponible y el porcentaje de IVA de cada línea; las cuotas "
                     "y el total se calculan solos mientras escribe. Marque las opciones que correspondan "
                     "(recargo de equivalencia, retención...) y elija la cuenta contable.\n\n"
                     "Compruebe que el total coincide con el de su factura y pulse \"Continuar\". "
                     "Con la lupa puede consultar una factura ya guardada por su número.");

const QString receivedHelp
    = QStringLiteral("Aquí se anotan las facturas que usted recibe de sus proveedores.\n\n"
                     "Elija el proveedor, escriba el número y la fecha, y el tipo de factura. Escriba la "
                     "base imponible y el porcentaje de IVA de cada línea; las cuotas y el total se "
                     "calculan solos. Si la compra es una inversión, marque \"Inversiones\" para elegir "
                     "entre las cuentas de inmovilizado.\n\n"
                     "Compruebe que el total coincide con el de su factura y pulse \"Continuar\". "
                     "Con la lupa puede buscar una factura ya guardada por su número.");

const QString otherEntriesHelp
    = QStringLiteral("Aquí se anotan los gastos e ingresos que no llevan factura: seguros, comisiones "
                     "del banco, impuestos municipales, sueldos, la cuota de autónomo, intereses, "
                     "subvenciones...\n\n"
                     "Escriba la fecha y el importe, elija la cuenta y pulse \"Continuar\". "
                     "Cada anotación se guarda una sola vez; no hace falta poner signo.");

const QString resultsHelp
    = QStringLiteral("Esta página le muestra cómo va el trimestre y el mes.\n\n"
                     "Elija un trimestre del año en curso: verá la suma de las facturas emitidas y de las "
                     "recibidas, su diferencia y, tras escribir a mano la compensación del trimestre "
                     "anterior, el resultado final. El gráfico muestra las dos sumas en azul y en rojo.\n\n"
                     "Abajo, elija un año y un mes para ver la suma de las bases imponibles de ese mes.");

const QString exportHelp
    = QStringLiteral("Desde aquí se preparan los datos para su asesoría.\n\n"
                     "Al pulsar \"Enviar\" se crea un archivo con todos sus clientes, proveedores, "
                     "facturas y otros gastos e ingresos. Su nombre lleva su NiF/CiF y la fecha de hoy.\n\n"
                     "El archivo se guarda en la carpeta de trabajo del programa, junto a sus datos: si "
                     "instaló Brivana como paquete, la carpeta Documentos/Brivana de su carpeta "
                     "personal.\n\n"
                     "Entregue ese archivo a su asesoría. Puede repetirlo cuantas veces quiera: "
                     "siempre contiene todos los registros.");

} // namespace

QPushButton *App::addHelpButton(int page, PageBuilder &builder)
{
    QPushButton *button = builder.iconButton(
        builder.page()->objectName() + QStringLiteral(".help"), helpIcon, QPoint(762, 4));
    m_helpButtons[size_t(page)] = button;
    return button;
}

void App::showHelp(const QString &title, const QString &text)
{
    MessageBoxes::information(this, title, text);
}

void App::Help1()
{
    showHelp(tr("Alta de Clientes y Proveedores"), partiesHelp);
}

void App::Help2()
{
    showHelp(tr("Facturas Emitidas"), issuedHelp);
}

void App::Help3()
{
    showHelp(tr("Facturas Recibidas"), receivedHelp);
}

void App::Help4()
{
    showHelp(tr("Otros Gastos e Ingresos"), otherEntriesHelp);
}

void App::Help5()
{
    showHelp(tr("IVA y Resultados"), resultsHelp);
}

void App::Help6()
{
    showHelp(tr("Emvoar datos a la asesoría"), exportHelp);
}
