#pragma once

#include <QStringList>

// The account lists of a received invoice: purchases and expenses, or fixed assets
// while "Inversiones" is ticked. Each item is the account number, a tab and its name.
const QStringList &purchaseAccounts();
const QStringList &fixedAssetAccounts();
