#include "langtext/prjQBYTXT.h"
#include "platform/com/ClassFactory.h"
#include "platform/com/Creation.h"
#include "platform/com/Registration.h"
#include "platform/forms/BackgroundWork.h"
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

constexpr CLSID kFixtureClass = GuidLiteral("{3C5E0D7A-9B41-4F06-A2C8-71D4E9B05F13}");
constexpr GUID kFixtureLibrary = GuidLiteral("{8E2A6F14-0C3B-4D97-B5E1-24F9C7A3D680}");
const std::string kFixtureDir = QBY_FIXTURE_DIR;
const std::string kLangtext = std::string(QBY_BUILD_DIR) + "/langtext/liblangtext.so";

// Registers class `clsid` as living in the library at `path`.
void RegisterClassAt(const CLSID& clsid, const std::string& path)
{
    const ClassRegistration classes[] = {{clsid, "clsFIXTURE"}};
    ServerRegistration server{{kFixtureLibrary, "prjFIXTURE", "1.0", "Fixture"}, {}, classes};
    ASSERT_EQ(RegisterServer(server, path), S_OK);
}

HRESULT CreateFixture(const CLSID& clsid = kFixtureClass, const IID& iid = IUnknown::InterfaceId)
{
    ComPtr<IUnknown> object;
    HRESULT result = CoCreateInstance(clsid, iid, object.ReceiveVoid());
    EXPECT_EQ(SUCCEEDED(result), static_cast<bool>(object));
    return result;
}

class Creation : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE"); }
};

}  // namespace

TEST_F(Creation, UnknownClassIsNotRegistered)
{
    EXPECT_EQ(CreateFixture(), REGDB_E_CLASSNOTREG);
}

TEST_F(Creation, LibraryThatDoesNotExistCannotBeLoaded)
{
    RegisterClassAt(kFixtureClass, kFixtureDir + "/libnothing-here.so");
    EXPECT_EQ(CreateFixture(), CO_E_DLLNOTFOUND);
}

TEST_F(Creation, FileThatIsNotALibraryCannotBeLoaded)
{
    std::string path = kFixtureDir + "/not-a-library-" + std::to_string(getpid()) + ".so";
    std::ofstream(path) << "plain text\n";
    RegisterClassAt(kFixtureClass, path);
    EXPECT_EQ(CreateFixture(), CO_E_DLLNOTFOUND);
    std::remove(path.c_str());
}

TEST_F(Creation, RelativeLibraryPathIsNotSearchedFor)
{
    RegisterClassAt(kFixtureClass, "liblangtext.so");
    EXPECT_EQ(CreateFixture(), CO_E_DLLNOTFOUND);
}

TEST_F(Creation, LibraryWithoutDllGetClassObject)
{
    RegisterClassAt(kFixtureClass, kFixtureDir + "/libqbyfixture_NoEntryPoints.so");
    EXPECT_EQ(CreateFixture(), CO_E_ERRORINDLL);
}

TEST_F(Creation, LibraryThatRefusesTheClass)
{
    RegisterClassAt(kFixtureClass, kFixtureDir + "/libqbyfixture_RefusingLibrary.so");
    EXPECT_EQ(CreateFixture(), CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(Creation, APrefetchedLibraryIsLoadedBeforeItsClassIsCreatedAndAnswersAsBefore)
{
    const std::string path = kFixtureDir + "/libqbyfixture_RefusingLibrary.so";
    RegisterClassAt(kFixtureClass, path);
    ASSERT_EQ(dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr);
    PrefetchClassLibrary(kFixtureClass);
    qby::detail::WaitForBackgroundWork();
    void* loaded = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(loaded, nullptr);
    if (loaded != nullptr)
        dlclose(loaded);
    EXPECT_EQ(CreateFixture(), CLASS_E_CLASSNOTAVAILABLE);

    // A class whose library is missing: nothing is loaded, and creating it says why.
    RegisterClassAt(kFixtureClass, kFixtureDir + "/libnothing-here.so");
    PrefetchClassLibrary(kFixtureClass);
    qby::detail::WaitForBackgroundWork();
    EXPECT_EQ(CreateFixture(), CO_E_DLLNOTFOUND);
}

TEST_F(Creation, ObjectWithoutTheInterfaceAskedFor)
{
    RegisterClassAt(prjQBYTXT::CLSID_clsPRGTXT, kLangtext);
    EXPECT_EQ(CreateFixture(prjQBYTXT::CLSID_clsPRGTXT, IClassFactory::InterfaceId), E_NOINTERFACE);
    EXPECT_EQ(CreateFixture(prjQBYTXT::CLSID_clsPRGTXT, prjQBYTXT::IID__clsPRGTXT), S_OK);
}

TEST(Registration, LibraryPathOfAFunctionIsItsLibrarysAbsolutePath)
{
    std::string path = LibraryPathOf(reinterpret_cast<const void*>(&GuidToString));
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_NE(path.find("libqbyplatform.so"), std::string::npos);
    EXPECT_EQ(access(path.c_str(), R_OK), 0);
}

TEST(Registration, EmptyLibraryPathIsRefused)
{
    const ClassRegistration classes[] = {{kFixtureClass, "clsFIXTURE"}};
    ServerRegistration server{{kFixtureLibrary, "prjFIXTURE", "1.0", "Fixture"}, {}, classes};
    EXPECT_EQ(RegisterServer(server, ""), SELFREG_E_CLASS);
}
