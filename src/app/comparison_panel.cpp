// Handlers of the "Input - Output Comparison" panel: the voltage and current
// comparisons and the tuner insertion loss, which share the result field Text5.
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "app/event_filters.h"
#include "app/fields.h"
#include "app/main_window.h"
#include "calc/compare/compare.h"
#include "calc/tuner/tuner.h"

namespace tolvar {

namespace {

using calc::compare::VoltageKind;

}  // namespace

void MainWindow::connectComparisonPanel() {
  connect(button(QStringLiteral("Command3")), &QPushButton::clicked, this,
          &MainWindow::compareVoltages);
  connect(button(QStringLiteral("Command6")), &QPushButton::clicked, this,
          &MainWindow::compareCurrents);
  connect(button(QStringLiteral("Command8")), &QPushButton::clicked, this,
          &MainWindow::computeTunerLoss);
  for (const char* name : {"Option3", "Option4", "Option14", "Option5", "Option6", "Option15"}) {
    connect(qobject_cast<QRadioButton*>(control(QString::fromLatin1(name))), &QRadioButton::clicked,
            this, [this] { app::SetFieldText(control(QStringLiteral("Text5")), QString()); });
  }

  // Leaving an S-parameter field (only a move between the window's own controls).
  focusHandlers_->onLost(control(QStringLiteral("Text30")), [this](Qt::FocusReason reason) {
    checkReflectionPart(QStringLiteral("Text30"), QStringLiteral("R is a number > -1 and < 1"),
                        QStringLiteral("Invalid S. Ant. real part"), reason);
  });
  focusHandlers_->onLost(control(QStringLiteral("Text34")), [this](Qt::FocusReason reason) {
    checkReflectionPart(QStringLiteral("Text34"), QStringLiteral("I is a number > -1 and < 1"),
                        QStringLiteral("Invalid S. Ant. imaginary part"), reason);
  });
  // S21 as measured is also S12 until the user types another one.
  focusHandlers_->onLost(control(QStringLiteral("Text33")), [this](Qt::FocusReason) {
    entry(QStringLiteral("Text38"))->setText(entry(QStringLiteral("Text33"))->text());
  });
  focusHandlers_->onLost(control(QStringLiteral("Text32")), [this](Qt::FocusReason) {
    entry(QStringLiteral("Text39"))->setText(entry(QStringLiteral("Text32"))->text());
  });
}

void MainWindow::checkReflectionPart(const QString& field, const QString& text,
                                     const QString& title, Qt::FocusReason reason) {
  app::RunHandler(control(QStringLiteral("Text5")), [&] {
    if (std::fabs(value(field)) >= 1) {
      // The box comes first; the button press that took the focus away is dropped.
      presses_->cancel(reason);
      warn(text, title);
      if (std::fabs(value(field)) >= 1) {
        entry(field)->setText(QString());
      }
    }
  });
}

void MainWindow::emptyFields(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    entry(QString::fromLatin1(name))->setText(QString());
  }
}

void MainWindow::checkComparisonResistances() {
  replaceZero(entry(QStringLiteral("Text15")), QStringLiteral("Input Resistance cannot be 0!"),
              QStringLiteral("Input Resistance"));
  replaceZero(entry(QStringLiteral("Text16")), QStringLiteral("Output Resistance cannot be 0!"),
              QStringLiteral("Output Resistance"));
}

void MainWindow::compareVoltages() {
  QWidget* result = control(QStringLiteral("Text5"));
  app::RunHandler(result, [&] {
    emptyFields({"Text20", "Text21", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35",
                 "Text36", "Text37", "Text38", "Text39"});
    checkComparisonResistances();
    const auto kind = [this](const char* pp, const char* peak) {
      if (app::IsSelected(control(QString::fromLatin1(pp)))) {
        return VoltageKind::PeakToPeak;
      }
      return app::IsSelected(control(QString::fromLatin1(peak))) ? VoltageKind::Peak
                                                                 : VoltageKind::Rms;
    };
    const calc::compare::Side in{value(QStringLiteral("Text15")), value(QStringLiteral("Text1")),
                                 value(QStringLiteral("Text13")), kind("Option3", "Option14")};
    const calc::compare::Side out{value(QStringLiteral("Text16")), value(QStringLiteral("Text17")),
                                  value(QStringLiteral("Text14")), kind("Option6", "Option15")};
    app::WriteResult(result, app::ToQString(calc::compare::CompareVoltages(in, out)));
  });
}

void MainWindow::compareCurrents() {
  QWidget* result = control(QStringLiteral("Text5"));
  app::RunHandler(result, [&] {
    emptyFields({"Text13", "Text14", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35",
                 "Text36", "Text37", "Text38", "Text39"});
    checkComparisonResistances();
    const calc::compare::Side in{value(QStringLiteral("Text15")), value(QStringLiteral("Text1")),
                                 value(QStringLiteral("Text20"))};
    const calc::compare::Side out{value(QStringLiteral("Text16")), value(QStringLiteral("Text17")),
                                  value(QStringLiteral("Text21"))};
    app::WriteResult(result, app::ToQString(calc::compare::CompareCurrents(in, out)));
  });
}

void MainWindow::computeTunerLoss() {
  QWidget* result = control(QStringLiteral("Text5"));
  app::RunHandler(result, [&] {
    app::MakeBold(result);
    emptyFields({"Text13", "Text14", "Text20", "Text21"});
    const auto read = [this](const char* re, const char* im) {
      return calc::tuner::Complex{value(QString::fromLatin1(re)), value(QString::fromLatin1(im))};
    };
    const calc::tuner::TunerEntries entries{read("Text30", "Text34"), read("Text36", "Text37"),
                                            read("Text33", "Text32"), read("Text31", "Text35"),
                                            read("Text38", "Text39")};
    app::WriteResult(result, app::ToQString(calc::tuner::TunerLossText(entries)));
  });
}

}  // namespace tolvar
