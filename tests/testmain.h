#pragma once
// Each test folder builds one program. Test classes register themselves with
// TK_TEST(Class) in their own file; the shared main runs them all.

#include <QObject>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

namespace tktest {

using Factory = std::function<std::unique_ptr<QObject>()>;
std::vector<Factory>& registry();

struct Registrar {
    explicit Registrar(Factory f) { registry().push_back(std::move(f)); }
};

} // namespace tktest

#define TK_TEST(Class)                                                                             \
    static const tktest::Registrar tkRegistrar_##Class{                                            \
        [] { return std::unique_ptr<QObject>(new Class); }};
