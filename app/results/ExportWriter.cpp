#include "ExportWriter.h"

#include "storage/RowSource.h"

#include <QIODevice>
#include <QVariant>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

// The four tables in the order they stand side by side: the caption of line 1 and, on
// line 2, one field name per column written. The office's importer reads them as they
// are, leading blanks included.
struct Section {
    const char16_t *caption;
    std::vector<const char16_t *> fieldNames;
};

const Section sections[] = {
    { u"Clientes y Proveedores", // cap: id … pais
        {
            u"ID",
            u"NiF/CiF",
            u"Razón Social",
            u"Dirección",
            u"Código Postal",
            u"Población",
            u"Provincia",
            u"País",
        } },
    { u"Facturas Emitidas", // femi: cliente … ctc
        {
            u"Cliente",
            u"Serie",
            u"Nº Factura",
            u"Fecha",
            u"Tipo de factura",
            u"Comercio minorista",
            u"Recargo de equivalencia",
            u"Inversión de sujeto pasivo",
            u"Criterio de caja",
            u"Retención",
            u"Alquiler de local de negocios",
            u"Profesionales y otros",
            u"Venta de inmovilizado",
            u"Base imponible 1",
            u"% IVA 1",
            u"Cuota IVA 1",
            u"% Recargo de equivalencia 1",
            u"Cuota Recargo de equivalencia 1",
            u"Base imponible 2",
            u"% IVA 2",
            u"Cuota IVA 2",
            u"% Recargo de equivalencia 2",
            u"Cuota Recargo de equivalencia 2",
            u"Base imponible 3",
            u"% IVA 3",
            u"Cuota IVA 3",
            u"% Recargo de equivalencia 3",
            u"Cuota Recargo de equivalencia 3",
            u"Base imponible total",
            u"% IVA total",
            u"Cuota IVA total",
            u"% Recargo de equivalencia total",
            u"Cuota Recargo de equivalencia total",
            u"Base Retención IRPF",
            u"% Retención",
            u"Cuota de Retención",
            u"Total",
            u"Cuenta contable",
        } },
    { u"Facturas Recibidas", // frec: proveedor … ctc
        {
            u"Proveedor",
            u"Nº Factura",
            u"Fecha",
            u"Tipo de factura",
            u"Inversiones",
            u"Comercio minorista",
            u"Inversión de sujeto pasivo",
            u" Criterio de caja",
            u" Retención",
            u"Alquiler de local de negocios",
            u"Profesionales y otros",
            u"Base imponible 1",
            u"% IVA 1",
            u"Cuota IVA 1",
            u"IVA Soportado 1",
            u" IVA Repercutido 1",
            u"Base imponible 2",
            u"% IVA 2",
            u"Cuota IVA 2",
            u"IVA Soportado 2",
            u" IVA Repercutido 2",
            u"Base imponible 3",
            u"% IVA 3",
            u"Cuota IVA 3",
            u"IVA Soportado 3",
            u" IVA Repercutido 3",
            u"Base imponible total",
            u"% IVA total",
            u"Cuota IVA total",
            u"IVA Soportado total",
            u" IVA Repercutido total",
            u" Base Retención IRPF",
            u"% Retención",
            u"Cuota de Retención",
            u"Total",
            u"Cuenta contable",
        } },
    { u"Otros Gasto e Ingresos", // ogei: fecha, importe, ctc
        {
            u"Fecha",
            u"Importe",
            u"Cuenta de gastos",
        } },
};
constexpr int sectionCount = int(std::size(sections));

// Blocks of about this size go to the device at once.
constexpr std::size_t flushSize = 1 << 16;

// The fixed texts are all Latin-1.
void appendLatin1(std::string &buffer, const char16_t *text)
{
    for (; *text; ++text)
        buffer += char(*text);
}

void appendHeadings(std::string &buffer)
{
    for (int s = 0; s < sectionCount; ++s) {
        appendLatin1(buffer, sections[s].caption);
        if (s + 1 < sectionCount)
            buffer.append(sections[s].fieldNames.size() + 1, ';');
    }
    buffer += "\r\n";
    for (int s = 0; s < sectionCount; ++s) {
        for (std::size_t field = 0; field < sections[s].fieldNames.size(); ++field) {
            if (s > 0 || field > 0)
                buffer += ';';
            appendLatin1(buffer, sections[s].fieldNames[field]);
        }
        // The empty spacer field after each table but the last.
        if (s + 1 < sectionCount)
            buffer += ';';
    }
}

bool needsQuotes(QChar c)
{
    return c == u';' || c == u'"' || c == u'\r' || c == u'\n';
}

} // namespace

ExportWriter::ExportWriter(QIODevice &device)
    : m_device(device)
{
    m_buffer.reserve(flushSize * 2);
}

bool ExportWriter::write(RowSource &cap, RowSource &femi, RowSource &frec, RowSource &ogei)
{
    m_error.clear();
    m_buffer.clear();
    appendHeadings(m_buffer);

    RowSource *const tables[] = { &cap, &femi, &frec, &ogei };
    bool exhausted[sectionCount] = {};
    bool allExhausted = false;
    while (!allExhausted) {
        m_buffer += "\r\n";
        allExhausted = true;
        for (int s = 0; s < sectionCount; ++s) {
            RowSource &table = *tables[s];
            Q_ASSERT(std::size_t(table.columnCount()) == sections[s].fieldNames.size());
            if (!exhausted[s] && table.next()) {
                allExhausted = false;
                for (int column = 0; column < table.columnCount(); ++column) {
                    appendValue(table.value(column));
                    m_buffer += ';';
                }
            } else {
                // next() also says false when a row could not be read; that is no end.
                if (!exhausted[s] && !table.errorString().isEmpty()) {
                    m_error = table.errorString();
                    return false;
                }
                exhausted[s] = true;
                appendSeparators(table.columnCount());
            }
            if (s + 1 < sectionCount)
                m_buffer += ';';
        }
        if (m_buffer.size() >= flushSize && !flush())
            return false;
    }
    return flush();
}

void ExportWriter::appendValue(const QVariant &value)
{
    if (value.isNull())
        return;
    // By the storage type of the value: SQLite gives integers as qlonglong, reals as
    // double and texts as QString.
    switch (value.typeId()) {
    case QMetaType::LongLong:
        appendInteger(*static_cast<const qlonglong *>(value.constData()));
        break;
    case QMetaType::Int:
        appendInteger(*static_cast<const int *>(value.constData()));
        break;
    case QMetaType::Double:
        appendReal(*static_cast<const double *>(value.constData()));
        break;
    case QMetaType::QString:
        appendText(*static_cast<const QString *>(value.constData()));
        break;
    default:
        appendText(value.toString());
        break;
    }
}

void ExportWriter::appendText(const QString &text)
{
    // A value holding a separator, a quote or a line end is quoted, so that it stays one
    // field for the office's importer; every other value is written as it is.
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    const bool quoted = std::any_of(begin, end, needsQuotes);
    if (quoted)
        m_buffer += '"';
    for (const QChar *c = begin; c != end; ++c) {
        const char16_t unit = c->unicode();
        if (unit < 0x100) {
            if (unit == u'"')
                m_buffer += '"';
            m_buffer += char(unit);
        } else {
            // One "?" per character, also for one written as a surrogate pair.
            if (c->isHighSurrogate() && c + 1 != end && c[1].isLowSurrogate())
                ++c;
            m_buffer += '?';
        }
    }
    if (quoted)
        m_buffer += '"';
}

void ExportWriter::appendInteger(qlonglong value)
{
    char text[24];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    m_buffer.append(text, result.ptr);
}

void ExportWriter::appendReal(double value)
{
    // The shortest decimal that reads back as the stored double, without exponent: the
    // database holds the real nearest to each exact amount, so this is the amount itself
    // (14938.26, a rate 5.2). A value with more than 15 such digits, or out of 10^-9 to
    // 10^15, which no form stores, is written as Qt writes it with 15.
    if (value == 0) {
        m_buffer += '0'; // -0 too
        return;
    }
    char text[512];
    const std::to_chars_result shortest
        = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    int digits = 0;
    for (const char *c = text; c != shortest.ptr && *c != 'e'; ++c)
        digits += *c >= '0' && *c <= '9';
    if (digits > 15 || std::fabs(value) >= 1e15 || std::fabs(value) < 1e-9) {
        appendText(QString::number(value, 'g', 15));
        return;
    }
    const std::to_chars_result result
        = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    m_buffer.append(text, result.ptr);
}

bool ExportWriter::flush()
{
    // A device may take only part of a block, as a file does when the disk fills up; the
    // rest is offered again, and the write that refuses it carries the device's reason.
    const char *data = m_buffer.data();
    qint64 left = qint64(m_buffer.size());
    while (left > 0) {
        const qint64 written = m_device.write(data, left);
        if (written <= 0) {
            m_error = m_device.errorString();
            return false;
        }
        data += written;
        left -= written;
    }
    m_buffer.clear();
    return true;
}
