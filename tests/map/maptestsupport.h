#pragma once

// Helpers for the tests and benchmarks that drive the real map pages in Qt WebEngine.

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

#include "map/htmlmapdlg.h"
#include "telemetry/records.h"

class QWebEnginePage;

namespace maptest {

// Runs script in the page and returns its value; an invalid QVariant when no answer came in time.
QVariant Eval(QWebEnginePage* page, const QString& script, int timeoutMs = 10000);

// The page's state object (see orvanmap.js), as a map.
QVariantMap State(QWebEnginePage* page);

// Runs the event loop until done() is true; false on time-out. QTest::qWaitFor sleeps 10 ms between rounds
// of events, and each request of a qrc: page is answered on this thread: a page would take seconds to load.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 15000);

// Waits until the page has finished a load; false on time-out.
bool WaitForLoad(QWebEnginePage* page, int timeoutMs = 15000);

// A shown map window of size 640 x 420 whose browser exists; null when it did not come up in time.
std::unique_ptr<CHtmlMapDlg> OpenMap(int provider);

// [lat, lon] pairs of a state entry.
std::vector<std::pair<double, double>> Points(const QVariant& list);

// count samples at rate 1 along a road near Shenzhen, starting at 2232.1234 / 11403.2268 (NMEA form);
// every sample for which withoutFix(i) is true has no fix.
std::vector<GpsSample> Track(int count, const std::function<bool(int)>& withoutFix = {});

}  // namespace maptest
