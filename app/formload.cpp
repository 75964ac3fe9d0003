#include "exerciseform.h"

#include "conversions.h"

using namespace ui;

void ExerciseForm::Form_Load()
{
    Picture1->setWidth(500);
    Picture1->setHeight(500);
    Timer1.setEnabled(false);
    Dylv = toSingle(form.Width());
    Wis = toInt16(form.Height());
    Option1[0].setValue(true); // its click handler sets Mode to 0

    bounds.XL = qint16(0);
    bounds.XD = checked(toNumber(Dylv) - double(Picture1->Width()) * 1.1);
    bounds.YG = qint16(0);
    bounds.YD = checked(float(Wis) - (Picture1->Height() + Picture1->Height()));
    bounds.XS = checked(float(toNumber(Dylv)) / 2.0f - Picture1->Width());
    bounds.YS = checked(double(Wis) / 2.0 - double(Picture1->Height()));

    Picture1->setTop(toSingle(toNumber(bounds.YS)));

    appendReportLine(QStringLiteral("Данни за текущите размери:"));
    appendReportLine(QStringLiteral("XL: ") + toText(bounds.XL));
    appendReportLine(QStringLiteral("XD: ") + toText(bounds.XD));
    appendReportLine(QStringLiteral("XS: ") + toText(bounds.XS));
    appendReportLine(QStringLiteral("YG: ") + toText(bounds.YG));
    appendReportLine(QStringLiteral("YD: ") + toText(bounds.YD));
    appendReportLine(QStringLiteral("YS: ") + toText(bounds.YS));
    appendReportLine(QStringLiteral("Dylv: ") + toText(Dylv));
    appendReportLine(QStringLiteral("Wis: ") + numberText(Wis));

    List1[0].setListIndex(0); // its click handler sets the period
    // The same period again, from the first entry itself rather than from
    // the selection: start-up sets it both ways, so the interval is 200 ms
    // even if the list's click handling changes.
    Timer1.setInterval(toInt32(numericValue(List1[0].List(0))));
}

// Reads the whole text and writes it back with one more line.
void ExerciseForm::appendReportLine(const QString &line)
{
    TextBox &description = Text1[0];
    description.setText(description.Text() + line + QStringLiteral("\r\n"));
}
