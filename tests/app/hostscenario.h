#pragma once

#include <QLineF>
#include <QObject>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class frmMain;
class QMessageBox;
class ReshowWatcher;

// One way of closing the real window while it is busy, driven as a person
// (or the window manager, or a signal) would. start() sets the scenario going
// once the event loop runs; failures() tells afterwards what went wrong.
class HostScenario : public QObject
{
    Q_OBJECT

public:
    HostScenario(frmMain &window, const ReshowWatcher &watcher);

    static QStringList names();
    void start(const QString &name);
    QStringList failures() const;

private:
    using Action = std::function<void()>;

    void close();
    void closeMidFlight();
    void closeNestedFlights();
    void closeMidGrid();
    void closeNestedGrid();
    void closeDuringFlightInGrid();
    void closeAfterError();
    void closeDuringErrorBox();
    void signalMidFlight();
    void signalDuringErrorBox();

    void closeAsWindowManager();
    void enterFlight(const QString &velocity);
    void afterLines(int count, Action action);
    void whenErrorBoxShows(std::function<void(QMessageBox *)> action);
    void expect(bool condition, const QString &failure);
    void expectAtEnd(std::function<bool()> condition, const QString &failure);
    void expectFlightsStopAtClose();
    void expectCaptions(const QString &withWind, const QString &withoutWind);
    void countLine(const QLineF &line);

    static const std::map<QString, void (HostScenario::*)()> &scenarios();

    frmMain &window_;
    const ReshowWatcher &watcher_;
    int lines_ = 0;
    int gridLines_ = 0;
    int flightSegmentsAfterClose_ = 0;
    std::vector<std::pair<int, Action>> lineActions_;
    std::vector<std::pair<std::function<bool()>, QString>> endChecks_;
    QStringList failures_;
};
