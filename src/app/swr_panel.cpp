// Handlers of the "SWR, Power, Current, Voltage Computation" panel.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/fields.h"
#include "app/main_window.h"
#include "calc/swr/conversions.h"
#include "calc/swr/swr.h"

namespace tolvar {

void MainWindow::connectSwrPanel() {
  connect(button(QStringLiteral("Command4")), &QPushButton::clicked, this, &MainWindow::computeSwr);
  connect(button(QStringLiteral("Command1")), &QPushButton::clicked, this,
          &MainWindow::computePowerFromVoltage);
  connect(button(QStringLiteral("Command2")), &QPushButton::clicked, this,
          &MainWindow::computeVoltageFromPower);
  connect(button(QStringLiteral("Command5")), &QPushButton::clicked, this,
          &MainWindow::computePowerFromCurrent);
  // A change of unit empties the result it no longer matches.
  for (const char* name : {"Option1", "Option2", "Option13"}) {
    connect(qobject_cast<QRadioButton*>(control(QString::fromLatin1(name))), &QRadioButton::clicked,
            this, [this] { app::SetFieldText(control(QStringLiteral("Text2")), QString()); });
  }
  for (const char* name : {"Option7", "Option8"}) {
    connect(qobject_cast<QRadioButton*>(control(QString::fromLatin1(name))), &QRadioButton::clicked,
            this, [this] { app::SetFieldText(control(QStringLiteral("Text3")), QString()); });
  }
}

void MainWindow::checkMeasuredResistance() {
  replaceZero(entry(QStringLiteral("Text7")), QStringLiteral("Resistance cannot be 0!"),
              QStringLiteral("Resistance"));
}

void MainWindow::computeSwr() {
  QWidget* result = control(QStringLiteral("Text4"));
  app::RunHandler(result, [&] {
    replaceZero(entry(QStringLiteral("Text12")),
                QStringLiteral("Reference Resistance cannot be 0!"),
                QStringLiteral("Reference Resistance"));
    checkMeasuredResistance();
    const calc::swr::SwrEntries entries{
        value(QStringLiteral("Text7")), value(QStringLiteral("Text8")),
        value(QStringLiteral("Text12")), value(QStringLiteral("Text11")),
        value(QStringLiteral("Text6"))};
    app::WriteResult(result, app::ToQString(calc::swr::SwrText(entries)));
  });
}

void MainWindow::computePowerFromVoltage() {
  QWidget* result = control(QStringLiteral("Text2"));
  app::RunHandler(result, [&] {
    checkMeasuredResistance();
    auto kind = calc::swr::VoltageKind::Rms;
    if (app::IsSelected(control(QStringLiteral("Option2")))) {
      kind = calc::swr::VoltageKind::PeakToPeak;
    } else if (app::IsSelected(control(QStringLiteral("Option13")))) {
      kind = calc::swr::VoltageKind::Peak;
    }
    const auto conversion =
        calc::swr::PowerFromVoltage(value(QStringLiteral("Text7")), value(QStringLiteral("Text8")),
                                    value(QStringLiteral("Text9")), kind);
    app::WriteResult(result, app::ToQString(conversion.text));
    entry(QStringLiteral("Text6"))->setText(app::ToQString(conversion.forwardPower));
  });
}

void MainWindow::computeVoltageFromPower() {
  QWidget* result = control(QStringLiteral("Text3"));
  app::RunHandler(result, [&] {
    checkMeasuredResistance();
    const auto unit = app::IsSelected(control(QStringLiteral("Option7")))
                          ? calc::swr::PowerUnit::Dbm
                          : calc::swr::PowerUnit::Watt;
    const auto conversion =
        calc::swr::VoltageFromPower(value(QStringLiteral("Text7")), value(QStringLiteral("Text8")),
                                    value(QStringLiteral("Text10")), unit);
    app::WriteResult(result, app::ToQString(conversion.text));
    entry(QStringLiteral("Text6"))->setText(app::ToQString(conversion.forwardPower));
  });
}

void MainWindow::computePowerFromCurrent() {
  QWidget* result = control(QStringLiteral("Text19"));
  app::RunHandler(result, [&] {
    // Without this check an empty resistance would divide 0 by 0.
    checkMeasuredResistance();
    const auto conversion =
        calc::swr::PowerFromCurrent(value(QStringLiteral("Text7")), value(QStringLiteral("Text8")),
                                    value(QStringLiteral("Text18")));
    app::WriteResult(result, app::ToQString(conversion.text));
    entry(QStringLiteral("Text6"))->setText(app::ToQString(conversion.forwardPower));
  });
}

}  // namespace tolvar
