#include "ReceivedAccounts.h"

const QStringList &purchaseAccounts()
{
    static const QStringList accounts{
        QStringLiteral("60000000\tCompras de mercaderías"),
        QStringLiteral("62100000\tArrendamiento"),
        QStringLiteral("62200000\tReparaciones y conservación"),
        QStringLiteral("62200001\tCompra de repuestos y accesorios"),
        QStringLiteral("62300000\tServicios profesionales"),
        QStringLiteral("62400000\tTransportes"),
        QStringLiteral("62700000\tPublicidad"),
        QStringLiteral("62700001\tAtenciones a clientes"),
        QStringLiteral("62800000\tConsumo de luz"),
        QStringLiteral("62800001\tConsumo de agua"),
        QStringLiteral("62800002\tConsumo de combustible"),
        QStringLiteral("62800009\tOtros suministros"),
        QStringLiteral("62900000\tConsumo de teléfono"),
        QStringLiteral("62900009\tOtros gastos diversos"),
    };
    return accounts;
}

const QStringList &fixedAssetAccounts()
{
    static const QStringList accounts{
        QStringLiteral("21100000\tCompra de inmuebles"),
        QStringLiteral("21200000\tInstalaciones"),
        QStringLiteral("21300000\tCompra maquinaria"),
        QStringLiteral("21400000\tCompra de utillaje"),
        QStringLiteral("21600000\tCompra de mobiliario"),
        QStringLiteral("21700000\tCompra de equipos informáticos"),
        QStringLiteral("21800000\tCompra de elementos de transporte"),
        QStringLiteral("21900000\tCompra de otro inmovilizado"),
    };
    return accounts;
}
