#include "order/addresslines.h"

#include "core/errors.h"

#include <QLineEdit>
#include <QStringList>

void gsAlignInput(const QList<QLineEdit*>& aobjBoxes)
{
    trapErrors("gsAlignInput", [&] {
        QStringList filled;
        for (QLineEdit* box : aobjBoxes) {
            if (!box)
                throw RuntimeError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
            if (!box->text().trimmed().isEmpty())
                filled << box->text();
        }
        for (qsizetype i = 0; i < aobjBoxes.size(); ++i) {
            const QString text = i < filled.size() ? filled.at(i) : QString();
            // Untouched boxes keep their cursor and undo history.
            if (aobjBoxes.at(i)->text() != text)
                aobjBoxes.at(i)->setText(text);
        }
    });
}
