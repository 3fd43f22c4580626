#include "TextLength.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// The line edit cuts at its maximum length first and validates afterwards, so the
// validator is where a cut half of a character can still be taken out.
class WholeCharacters final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            const QChar unit = input.at(i);
            const bool paired = unit.isHighSurrogate()
                ? i + 1 < input.size() && input.at(i + 1).isLowSurrogate()
                : !unit.isLowSurrogate() || (i > 0 && input.at(i - 1).isHighSurrogate());
            if (paired)
                continue;
            input.remove(i, 1);
            if (i < pos)
                --pos;
        }
        return Acceptable;
    }
};

} // namespace

void limitLength(QLineEdit *field, int maxLength)
{
    Q_ASSERT(!field->validator());
    field->setMaxLength(maxLength);
    field->setValidator(new WholeCharacters(field));
}
