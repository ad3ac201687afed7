// A QCoreApplication for the whole test program: queued deliveries and
// translators need one on the main thread.
#ifndef TIDEWELL_TESTS_QT_APP_H
#define TIDEWELL_TESTS_QT_APP_H

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace tw_test {

class CoreAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_app = new QCoreApplication(m_argc, m_argv); }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    int m_argc = 1;
    char m_name[16] = "tidewell-tests";
    char *m_argv[2] = {m_name, nullptr};
    QCoreApplication *m_app = nullptr;
};

} // namespace tw_test

#endif
