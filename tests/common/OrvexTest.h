#pragma once

#include <QObject>
#include <QString>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

// Every test executable runs all test classes registered in it (one executable per folder).
// In a test source: ORVEX_TEST(ClassName) after the class. Arguments after the executable
// name are passed to QtTest; "-class Name" or a bare class name runs only that class.
namespace OrvexTest {
using Factory = std::function<std::unique_ptr<QObject>()>;
struct Entry
{
    const char* name;
    Factory make;
};
std::vector<Entry>& registry();
struct Registrar
{
    Registrar(const char* name, Factory make) { registry().push_back({name, std::move(make)}); }
};

QString sourceDir(); // the project's source tree (ORVEX_SOURCE_DIR, set by ctest)
QString buildDir();  // the build tree (ORVEX_BUILD_DIR)
} // namespace OrvexTest

#define ORVEX_TEST(Class)                                                                                   \
    static OrvexTest::Registrar orvexRegistrar_##Class(#Class, [] { return std::make_unique<Class>(); });
