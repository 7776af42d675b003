#include "ORXCFormat.h"
#include "ORXCliCommand.h"
#include "ORXLocalizedString.h"
#include "ORXSimSampleCard.h"

#include <QElapsedTimer>

// orvex-cli sample-card DIR: writes a small card as the camera leaves it, for trying the
// program out without a camera.
static ORXCli::Registrar reg({"sample-card", "sample-card DIR    write a simulated camera card", [](const QStringList& args) -> int {
                                  if (args.size() != 1 || args.first().isEmpty())
                                      return ORXCli::failUsage(QStringLiteral("sample-card"));
                                  QElapsedTimer timer;
                                  timer.start();
                                  QString error;
                                  if (!ORXSimWriteSampleCard(args.first(), &error)) {
                                      ORXCli::writeErr(QStringLiteral("orvex-cli: %1\n").arg(error));
                                      return ORXCli::BadInput;
                                  }
                                  ORXCli::writeOut(
                                      ORXLocalizedString("cli.sample_card.written")
                                          .arg(args.first(), ORXCFormat("%.1f", timer.elapsed() / 1000.0)) +
                                      QLatin1Char('\n'));
                                  return ORXCli::Success;
                              }});
