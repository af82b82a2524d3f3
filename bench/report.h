#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace bench {

// Every scenario's JSON object from one run, and the table made of them.
class Report
{
public:
    void add(const QJsonObject &object);
    const std::vector<QJsonObject> &objects() const { return objects_; }

    // The first object of a scenario on a platform that also passes the test.
    QJsonObject find(const QString &scenario, const QString &platform,
                     const std::function<bool(const QJsonObject &)> &test = {}) const;
    // The scenarios with no object, among those named.
    QStringList missing(const QStringList &scenarios) const;

    QString table() const;
    bool save(const QString &path) const;

private:
    struct Row
    {
        QString scenario, platform, figure, value, against, ratio, target;
    };
    void flightRows(const QString &platform, std::vector<Row> &rows) const;
    void windowRows(const QString &platform, std::vector<Row> &rows) const;
    void processRows(const QString &platform, std::vector<Row> &rows) const;
    void instructionRows(std::vector<Row> &rows) const;
    QStringList platforms() const;

    std::vector<QJsonObject> objects_;
};

} // namespace bench
