#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the rate tests: it serves canned
// answers by path and query, optionally late or never, and counts requests.
// It runs on the test's thread and works while the test spins an event loop.

#include <chrono>
#include <map>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <QUrl>

namespace tallyra::test {

class TestHttpServer final
{
public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        std::chrono::milliseconds delay{0};
        bool never = false; // accept the request and stay silent
    };

    TestHttpServer();

    // The URL of pathAndQuery ("/bank/currency") on this server.
    [[nodiscard]] QUrl url(const QString& pathAndQuery) const;
    // Answers given in order, one per request; the last one repeats.
    void serve(const QString& pathAndQuery, QList<Answer> answers);
    void serve(const QString& pathAndQuery, Answer answer)
    {
        serve(pathAndQuery, QList<Answer>{answer});
    }
    [[nodiscard]] int requestCount(const QString& pathAndQuery) const;

private:
    void accept();
    void answer(QTcpSocket* socket, const QString& target);

    QTcpServer m_server;
    std::map<QString, QList<Answer>> m_answers;
    std::map<QString, int> m_counts;
};

// The text of a file in tests/data/rates/.
[[nodiscard]] QByteArray recordedBody(const QString& name);

} // namespace tallyra::test
