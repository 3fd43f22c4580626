#include "StoredForms.h"

QVariant storedAmount(const Decimal &value)
{
    return value.text();
}

Decimal readAmount(const QVariant &stored, bool rate)
{
    const Decimal value = Decimal::fromDouble(stored.toDouble());
    return rate ? value : value.roundedToCents();
}
