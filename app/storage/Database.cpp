#include "Database.h"

const QStringList &schemaStatements()
{
    static const QStringList statements{
        QStringLiteral("CREATE TABLE IF NOT EXISTS `admin`(`id` INTEGER PRIMARY KEY AUTOINCREMENT,`nif` "
                       "VARCHAR(9) NOT NULL,`rs` VARCHAR(64) NOT NULL,`dir` VARCHAR(64) NOT NULL,`cp` "
                       "INT(11) NOT NULL,`pobl` VARCHAR(40) NOT NULL,`prov` VARCHAR(24) NOT NULL,`pais` "
                       "VARCHAR(24) NOT NULL,`tecn` INT(11) NOT NULL);"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS `cap`(`auid` INTEGER PRIMARY KEY AUTOINCREMENT,`type` "
                       "INT(11) NOT NULL,`id` INT(11) NOT NULL,`nif` VARCHAR(9) NOT NULL,`rs` VARCHAR(64) "
                       "NOT NULL,`dir` VARCHAR(64) NOT NULL,`cp` INT(11) NOT NULL,`pobl` VARCHAR(40) NOT "
                       "NULL,`prov` VARCHAR(24) NOT NULL,`pais` VARCHAR(24) NOT NULL);"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS `lasts`(`lastc` INT(11) DEFAULT 43000000,`lastp` INT(11) "
                       "DEFAULT 40000000);"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS `femi`(`auid` INTEGER PRIMARY KEY AUTOINCREMENT,`cliente` INT(11) "
            "NOT NULL,`serie` VARCHAR(12) NOT NULL,`nfac` VARCHAR(24) NOT NULL,`fecha` DATE NOT NULL,`type` "
            "INT(1) NOT NULL,`cm` BOOLEAN NOT NULL,`rec` BOOLEAN NOT NULL,`isp` BOOLEAN NOT NULL,`cc` "
            "BOOLEAN NOT NULL,`ret` BOOLEAN NOT NULL,`alq` BOOLEAN NOT NULL,`pyo` BOOLEAN NOT NULL,`vin` "
            "BOOLEAN NOT NULL,`base0` FLOAT(11) NOT NULL,`piva0` FLOAT(11) NOT NULL,`civa0` FLOAT(11) NOT "
            "NULL,`prec0` FLOAT(11) NOT NULL,`crec0` FLOAT(11) NOT NULL,`base1` FLOAT(11) NOT NULL,`piva1` "
            "FLOAT(11) NOT NULL,`civa1` FLOAT(11) NOT NULL,`prec1` FLOAT(11) NOT NULL,`crec1` FLOAT(11) NOT "
            "NULL,`base2` FLOAT(11) NOT NULL,`piva2` FLOAT(11) NOT NULL,`civa2` FLOAT(11) NOT NULL,`prec2` "
            "FLOAT(11) NOT NULL,`crec2` FLOAT(11) NOT NULL,`base3` FLOAT(11) NOT NULL,`piva3` FLOAT(11) NOT "
            "NULL,`civa3` FLOAT(11) NOT NULL,`prec3` FLOAT(11) NOT NULL,`crec3` FLOAT(11) NOT NULL,`bret` "
            "FLOAT(11) NOT NULL,`pret` FLOAT(11) NOT NULL,`cret` FLOAT(11) NOT NULL,`total` FLOAT(11) NOT "
            "NULL,`ctc` INT(8) NOT NULL);"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS `frec`(`auid` INTEGER PRIMARY KEY AUTOINCREMENT,`proveedor` INT(11) "
            "NOT NULL,`nfac` VARCHAR(24) NOT NULL,`fecha` DATE NOT NULL,`type` INT(1) NOT NULL,`inv` BOOLEAN "
            "NOT NULL,`cm` BOOLEAN NOT NULL,`isp` BOOLEAN NOT NULL,`cc` BOOLEAN NOT NULL,`ret` BOOLEAN NOT "
            "NULL,`alq` BOOLEAN NOT NULL,`pyo` BOOLEAN NOT NULL,`base0` FLOAT(11) NOT NULL,`piva0` FLOAT(11) "
            "NOT NULL,`civa0` FLOAT(11) NOT NULL,`ivas0` FLOAT(11) NOT NULL,`ivar0` FLOAT(11) NOT "
            "NULL,`base1` FLOAT(11) NOT NULL,`piva1` FLOAT(11) NOT NULL,`civa1` FLOAT(11) NOT NULL,`ivas1` "
            "FLOAT(11) NOT NULL,`ivar1` FLOAT(11) NOT NULL,`base2` FLOAT(11) NOT NULL,`piva2` FLOAT(11) NOT "
            "NULL,`civa2` FLOAT(11) NOT NULL,`ivas2` FLOAT(11) NOT NULL,`ivar2` FLOAT(11) NOT NULL,`base3` "
            "FLOAT(11) NOT NULL,`piva3` FLOAT(11) NOT NULL,`civa3` FLOAT(11) NOT NULL,`ivas3` FLOAT(11) NOT "
            "NULL,`ivar3` FLOAT(11) NOT NULL,`bret` FLOAT(11) NOT NULL,`pret` FLOAT(11) NOT NULL,`cret` "
            "FLOAT(11) NOT NULL,`total` FLOAT(11) NOT NULL,`ctc` INT(8) NOT NULL);"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS `ogei`(`auid` INTEGER PRIMARY KEY AUTOINCREMENT,`fecha` "
                       "DATE NOT NULL,`importe` FLOAT(11) NOT NULL,`ctc` INT(8) NOT NULL);"),
    };
    return statements;
}

QString connectionFailedText()
{
    return QStringLiteral("No se ha podido establecer la conexión a la base de datos interna.");
}
