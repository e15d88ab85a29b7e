#include "test_http_server.h"

#include <memory>

#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace tallyra::test {

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

TestHttpServer::TestHttpServer()
{
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        qFatal("test server: cannot listen on 127.0.0.1");
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
}

QUrl TestHttpServer::url(const QString& pathAndQuery) const
{
    return QUrl(
        QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(pathAndQuery));
}

void TestHttpServer::serve(const QString& pathAndQuery, QList<Answer> answers)
{
    m_answers[pathAndQuery] = std::move(answers);
}

int TestHttpServer::requestCount(const QString& pathAndQuery) const
{
    const auto found = m_counts.find(pathAndQuery);
    return found == m_counts.end() ? 0 : found->second;
}

void TestHttpServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            const qsizetype headEnd = received->indexOf("\r\n\r\n");
            if (headEnd < 0)
                return;
            // "GET /path?query HTTP/1.1"
            const QList<QByteArray> requestLine =
                received->left(received->indexOf("\r\n")).split(' ');
            received->clear();
            answer(socket,
                   requestLine.size() >= 2 ? QString::fromLatin1(requestLine.at(1)) : QString());
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void TestHttpServer::answer(QTcpSocket* socket, const QString& target)
{
    ++m_counts[target];
    Answer answer{404, "not found"};
    if (auto found = m_answers.find(target); found != m_answers.end() && !found->second.isEmpty()) {
        answer = found->second.size() > 1 ? found->second.takeFirst() : found->second.first();
    }
    if (answer.never)
        return;
    const QByteArray response =
        "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reasonPhrase(answer.status) +
        "\r\nContent-Type: application/json\r\nContent-Length: " +
        QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n" + answer.body;
    auto send = [socket, response] {
        socket->write(response);
        socket->disconnectFromHost();
    };
    if (answer.delay.count() > 0)
        QTimer::singleShot(answer.delay, socket, send);
    else
        send();
}

QByteArray recordedBody(const QString& name)
{
    QFile file(QStringLiteral(TALLYRA_RATES_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qUtf8Printable(name));
    return file.readAll();
}

} // namespace tallyra::test
