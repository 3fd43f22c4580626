#pragma once

#include <QString>

#include <string>

class QIODevice;
class QVariant;
class RowSource;

// The file for the advisory office: a line of section captions, a line of field names,
// then cap, femi, frec and ogei side by side, row k of each on data line k, until a line
// on which all four have run out (written too, separators only). Latin-1 with "?" for
// any other character, CR LF between lines and none after the last, every value followed
// by ";" and an empty spacer field between two tables.
class ExportWriter {
public:
    explicit ExportWriter(QIODevice &device);

    // The rows of cap, femi, frec and ogei, in the columns the file holds, not yet
    // advanced. Returns false when the device refused data or a row could not be fetched;
    // errorString() then gives the device's or the driver's text. A device that takes part
    // of a block is offered the rest until it takes all or refuses.
    bool write(RowSource &cap, RowSource &femi, RowSource &frec, RowSource &ogei);
    QString errorString() const { return m_error; }

private:
    void appendValue(const QVariant &value);
    void appendText(const QString &text);
    void appendInteger(qlonglong value);
    void appendReal(double value);
    void appendSeparators(int count) { m_buffer.append(std::size_t(count), ';'); }
    bool flush();

    QIODevice &m_device;
    // One allocation for the whole file: lines are gathered here and handed to the device
    // in large blocks.
    std::string m_buffer;
    QString m_error;
};
