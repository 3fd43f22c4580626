#pragma once

// The boxes the program shows on more than one page, as boxLines() writes them.

#include <QString>

namespace box {
inline QString info(const QString &text)
{
    return "information|Información|" + text;
}
inline QString error(const QString &text)
{
    return "critical|Error|" + text;
}
inline QString accountChosen(const QString &item)
{
    return info(
        "Ha seleccionado usted la cuenta contable:\n\n" + item + "\n\nPor favor, verifique si es correcto.");
}
inline QString exported(const QString &fileName)
{
    return info("Archivo exportado correctamente:\n\n" + fileName);
}
inline const QString ownerRegistered = info("Se ha registrado correctamente.");
inline const QString confirmSave = info(
    "Está a punto de guardar estos datos, por favor,\nasegúrese de que son correctos antes de continuar.");
inline const QString partySaved = info("El usuario se ha guardado correctamente.");
inline const QString checkTotal
    = info("Verifique que el total calculado coincide con el total de su factura.");
inline const QString dataSaved = info("Datos guardados");
inline const QString confirmSending = info("Está a punto de enviar todos los registros,\nesta operación es "
                                           "irrevirsible, ¿está seguro\nde que desea enviar los datos?");
inline const QString afterToday = "warning|Información|La fecha introducida es posterior a la actual";
inline const QString earlierQuarter = "warning|Información|trimestre error";
inline const QString todayUnknown
    = "warning|Error|No se ha podido obtener la fecha actual del servidor de hora.";
} // namespace box
