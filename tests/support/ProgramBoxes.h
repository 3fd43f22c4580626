#pragma once

// The boxes the program shows on more than one page, as boxLines() writes them
// ("icon|title|text").

#include <QString>

namespace box {

inline QString info(const QString &text)
{
    return QStringLiteral("information|Información|") + text;
}

// The driver's or the program's error text in a critical box.
inline QString error(const QString &text)
{
    return QStringLiteral("critical|Error|") + text;
}

inline QString accountChosen(const QString &item)
{
    return info(QStringLiteral("Ha seleccionado usted la cuenta contable:\n\n") + item
        + QStringLiteral("\n\nPor favor, verifique si es correcto."));
}

inline QString exported(const QString &fileName)
{
    return info(QStringLiteral("Archivo exportado correctamente:\n\n") + fileName);
}

inline const QString ownerRegistered = info(QStringLiteral("Se ha registrado correctamente."));
inline const QString confirmSave = info(QStringLiteral(
    "Está a punto de guardar estos datos, por favor,\nasegúrese de que son correctos antes de continuar."));
inline const QString partySaved = info(QStringLiteral("El usuario se ha guardado correctamente."));
inline const QString checkTotal
    = info(QStringLiteral("Verifique que el total calculado coincide con el total de su factura."));
inline const QString dataSaved = info(QStringLiteral("Datos guardados"));
inline const QString confirmSending
    = info(QStringLiteral("Está a punto de enviar todos los registros,\nesta "
                          "operación es irrevirsible, ¿está seguro\nde que desea "
                          "enviar los datos?"));
inline const QString afterToday
    = QStringLiteral("warning|Información|La fecha introducida es posterior a la actual");
inline const QString earlierQuarter = QStringLiteral("warning|Información|trimestre error");
inline const QString todayUnknown
    = QStringLiteral("warning|Error|No se ha podido obtener la fecha actual del servidor de hora.");

} // namespace box
