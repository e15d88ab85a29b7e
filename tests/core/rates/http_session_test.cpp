#include "rates/http_session.h"

#include <atomic>

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include "rate_test_support.h"
#include "test_http_server.h"

using namespace tallyra;
using namespace tallyra::test;
using namespace std::chrono_literals;

namespace {

TEST(HttpSession, getFromAnotherThreadAnswersOnThatThread)
{
    TestHttpServer server;
    server.serve(QStringLiteral("/list"), {200, "[1]"});
    auto session = std::make_shared<HttpSession>(2s);
    const QUrl url = server.url(QStringLiteral("/list"));

    std::atomic<bool> finished = false;
    std::optional<HttpResponse> response;
    Qt::HANDLE requestedOn = nullptr;
    Qt::HANDLE answeredOn = nullptr;
    QThread* worker = QThread::create([&] {
        QObject context;
        QEventLoop loop;
        requestedOn = QThread::currentThreadId();
        session->get(url, std::nullopt, &context, [&](Result<HttpResponse, RateError> result) {
            if (result)
                response = *result;
            answeredOn = QThread::currentThreadId();
            loop.quit();
        });
        QTimer::singleShot(3s, &loop, &QEventLoop::quit);
        loop.exec();
        finished = true;
    });
    worker->start();
    // The session and the server live here, so this thread keeps serving.
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    worker->wait();
    delete worker;

    ASSERT_TRUE(response);
    EXPECT_EQ(response->status, 200);
    EXPECT_EQ(response->body, QByteArray("[1]"));
    EXPECT_EQ(answeredOn, requestedOn);
}

TEST(HttpSession, destroyingTheSessionCancelsWhatIsRunning)
{
    TestHttpServer server;
    server.serve(QStringLiteral("/silent"), {200, "", 0ms, true});
    Awaiter<Result<HttpResponse, RateError>> awaiter;
    {
        HttpSession session(5s);
        session.get(server.url(QStringLiteral("/silent")), std::nullopt, &awaiter.context,
                    awaiter.handler());
        drainEvents();
    }
    const auto result = awaiter.wait(2s);
    ASSERT_TRUE(result);
    ASSERT_FALSE(*result);
    EXPECT_EQ(result->error().code(), RateError::Code::cancelled);
}

TEST(HttpSession, errorStatusIsAnAnswerWithItsBody)
{
    TestHttpServer server;
    server.serve(QStringLiteral("/busy"), {429, R"({"errorDescription":"Too many requests"})"});
    HttpSession session(2s);
    Awaiter<Result<HttpResponse, RateError>> awaiter;
    session.get(server.url(QStringLiteral("/busy")), std::nullopt, &awaiter.context,
                awaiter.handler());
    const auto result = awaiter.wait();
    ASSERT_TRUE(result && *result);
    EXPECT_EQ(result->value().status, 429);
    EXPECT_EQ(result->value().body, QByteArray(R"({"errorDescription":"Too many requests"})"));
}

} // namespace
