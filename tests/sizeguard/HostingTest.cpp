// Sizeguard as the program meets it: the built library registered in this test's own
// configuration folder, its control made by class id through the registry when a window
// loads, and its object used through the dual interface.
#include "sizeguard/prjRESIZELCK.h"

#include "SizeLockWindow.h"

#include "platform/com/ClassFactory.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/Creation.h"
#include "platform/com/EntryPoints.h"
#include "platform/com/HostedControl.h"
#include "platform/forms/Testing.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <climits>
#include <cstdlib>
#include <string>

using namespace prjRESIZELCK;
using namespace qby;

namespace {

const std::string kSizeguard = std::string(QBY_BUILD_DIR) + "/sizeguard/libsizeguard.so";
const std::string kClassId = GuidToString(CLSID_ResizeLck);

template <class F>
F EntryPoint(void* library, const char* name)
{
    return reinterpret_cast<F>(dlsym(library, name));
}

class Hosting : public ::testing::Test {
protected:
    void SetUp() override
    {
        library_ = dlopen(kSizeguard.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
        ASSERT_EQ(EntryPoint<DllRegisterServerFunction>(library_, "DllRegisterServer")(), S_OK);
    }
    void TearDown() override { test::ProcessEvents(); }

    HRESULT Unregister() { return EntryPoint<DllUnregisterServerFunction>(library_, "DllUnregisterServer")(); }
    HRESULT CanUnloadNow() { return EntryPoint<DllCanUnloadNowFunction>(library_, "DllCanUnloadNow")(); }

    void* library_ = nullptr;
};

std::int32_t ReadLong(IDispatch* object, const char* name)
{
    Variant result;
    EXPECT_EQ(InvokeByName(object, name, DISPATCH_PROPERTYGET, {}, &result), S_OK) << name;
    std::int32_t value = 0;
    EXPECT_EQ(result.ToLong(&value), S_OK);
    return value;
}

HRESULT Write(IDispatch* object, const char* name, Variant value)
{
    Variant arguments[] = {std::move(value)};
    return InvokeByName(object, name, DISPATCH_PROPERTYPUT, arguments, nullptr);
}

}  // namespace

TEST_F(Hosting, RegistrationWritesTheControlClassWithTheLibrarysPath)
{
    char resolved[PATH_MAX];
    ASSERT_NE(realpath(kSizeguard.c_str(), resolved), nullptr);
    std::string path;
    ASSERT_EQ(ClassLibraryPath(CLSID_ResizeLck, &path), S_OK);
    EXPECT_EQ(path, resolved);
    const std::string key = "CLSID\\" + kClassId;
    EXPECT_EQ(ReadClassString(key, ""), "prjRESIZELCK.ResizeLck");
    EXPECT_TRUE(ReadClassString(key + "\\Control", "").has_value());
    EXPECT_EQ(ReadClassString(key + "\\Version", ""), "23.0");
    EXPECT_EQ(ReadClassString("prjRESIZELCK.ResizeLck\\CLSID", ""), kClassId);
    EXPECT_EQ(ReadClassString("Interface\\" + GuidToString(IID__ResizeLck), ""), "_ResizeLck");
    EXPECT_EQ(ReadClassString("Interface\\" + GuidToString(DIID___ResizeLck), ""), "__ResizeLck");
    const std::string typeLibrary = "TypeLib\\" + GuidToString(LIBID_prjRESIZELCK) + "\\23.0";
    EXPECT_EQ(ReadClassString(typeLibrary, ""), "Sizeguard");
    EXPECT_EQ(ReadClassString(typeLibrary + "\\409\\linux", ""), resolved);

    ASSERT_EQ(Unregister(), S_OK);
    EXPECT_EQ(ClassLibraryPath(CLSID_ResizeLck, &path), REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(ReadClassString(typeLibrary, "").has_value());
    // Only the four entry points leave the library.
    EXPECT_EQ(dlsym(library_, "_Z14SizeguardUsagev"), nullptr);
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(EntryPoint<DllGetClassObjectFunction>(library_, "DllGetClassObject")(
                  IID__ResizeLck, IClassFactory::InterfaceId, factory.ReceiveVoid()),
              CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(Hosting, TheMaximaWriteARaisedValueBackThroughTheDispatchInterface)
{
    ComPtr<_ResizeLck> lock;
    ASSERT_EQ(CreateObject(CLSID_ResizeLck, &lock), S_OK);
    ComPtr<IDispatch> dispatch = lock.As<IDispatch>();
    ASSERT_TRUE(dispatch);
    EXPECT_EQ(ReadLong(dispatch.Get(), "MinWidth"), 200);
    EXPECT_EQ(ReadLong(dispatch.Get(), "MaxWidth"), static_cast<std::int32_t>(Screen.Width()));
    DISPID id = 0;
    ASSERT_EQ(dispatch->GetIDOfName("maxwidth", &id), S_OK);
    EXPECT_EQ(id, DISPID_MaxWidth);

    ASSERT_EQ(Write(dispatch.Get(), "HasMaxSize", Variant::Bool(true)), S_OK);
    ASSERT_EQ(Write(dispatch.Get(), "MinWidth", Variant::Long(675)), S_OK);
    std::int32_t width = 500;
    ASSERT_EQ(Write(dispatch.Get(), "MaxWidth", Variant::RefLong(&width)), S_OK);
    EXPECT_EQ(width, 675);
    EXPECT_EQ(ReadLong(dispatch.Get(), "MaxWidth"), 675);
    Variant text = Variant::String("590");
    std::int32_t height = 590;
    ASSERT_EQ(Write(dispatch.Get(), "MaxHeight", Variant::RefVariant(&text)), S_OK);
    EXPECT_EQ(ReadLong(dispatch.Get(), "MaxHeight"), 590);
    ASSERT_EQ(lock->put_MinHeight(600), S_OK);
    ASSERT_EQ(lock->put_MaxHeight(&height), S_OK);  // the direct interface writes back too
    EXPECT_EQ(height, 600);

    EXPECT_EQ(Write(dispatch.Get(), "MinWidth", Variant::String("wide")), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ReadLong(dispatch.Get(), "MinWidth"), 675);
    Variant none;
    EXPECT_EQ(dispatch->Invoke(DISPID_MaxWidth, DISPATCH_METHOD, {}, &none), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(dispatch->Invoke(DISPID_MaxWidth, DISPATCH_PROPERTYPUT, {}, nullptr), DISP_E_BADPARAMCOUNT);
}

TEST_F(Hosting, AWindowMakesTheControlByClassIdAndStaysWithinItsLimits)
{
    {
        SizeLockWindow window(kClassId, MainWindowLimits());
        window.Show();
        UserControl* control = window.tmrResizeLck1.Object();
        ASSERT_NE(control, nullptr);
        EXPECT_STREQ(control->KindName(), "ResizeLck");
        EXPECT_EQ(control->Name(), "tmrResizeLck1");
        EXPECT_NE(GetWindowLongA(window.hWnd(), GWL_WNDPROC), AddressOf(DefWindowProcA));
        EXPECT_EQ(test::RectOnScreen(window).width, 670);
        EXPECT_EQ(test::RectOnScreen(window).height, 560);
        EXPECT_EQ(ResizeTo(window.hWnd(), 900, 900), (OuterSize{675, 590}));
        EXPECT_EQ(ResizeTo(window.hWnd(), 10, 10), (OuterSize{675, 585}));
        EXPECT_EQ(CanUnloadNow(), S_FALSE);  // the control keeps its object in use
        window.Unload();
        EXPECT_FALSE(window.tmrResizeLck1.IsLive());
    }
    test::ProcessEvents();
    EXPECT_EQ(CanUnloadNow(), S_OK);  // the control and its object ended with the window
}

TEST_F(Hosting, TheObjectWorksOnTheControlItHandedToTheWindowUntilTheControlEnds)
{
    ComPtr<_ResizeLck> lock;
    ASSERT_EQ(CreateObject(CLSID_ResizeLck, &lock), S_OK);
    ComPtr<IHostedControl> hosted = lock.As<IHostedControl>();
    ASSERT_TRUE(hosted);
    std::unique_ptr<UserControl> control = hosted->TakeUserControl();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(hosted->TakeUserControl(), nullptr);  // one control per object

    const std::string byFactory = "{9D7C1B52-0E4A-4F0B-8C55-21A4D3B6E7F8}";
    RegisterUserControlClass(byFactory, [&] { return std::move(control); });
    {
        SizeLockWindow window(byFactory, MainWindowLimits());
        window.Show();
        ASSERT_EQ(lock->put_MinHeight(100), S_OK);
        std::int32_t height = 700;
        ASSERT_EQ(lock->put_MaxHeight(&height), S_OK);
        EXPECT_EQ(ResizeTo(window.hWnd(), 900, 900), (OuterSize{675, 700}));
        window.Unload();
    }
    UnregisterUserControlClass(byFactory);
    test::ProcessEvents();
    std::int32_t value = 0;
    EXPECT_EQ(lock->get_MinWidth(&value), E_UNEXPECTED);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    hosted.Reset();
    lock.Reset();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST_F(Hosting, WithoutSizeguardRegisteredTheWindowLoadsWithoutTheControlAndIsNotLimited)
{
    ASSERT_EQ(Unregister(), S_OK);
    SizeLockWindow window(kClassId, MainWindowLimits());
    window.Show();
    EXPECT_EQ(window.tmrResizeLck1.Object(), nullptr);
    EXPECT_EQ(window.lblAfter.Caption(), "loaded");
    EXPECT_EQ(GetWindowLongA(window.hWnd(), GWL_WNDPROC), AddressOf(DefWindowProcA));
    EXPECT_EQ(ResizeTo(window.hWnd(), 900, 900), (OuterSize{900, 900}));
    window.Unload();
}

TEST_F(Hosting, AClassWhoseLibraryCannotBeLoadedOrNamedLeavesTheWindowWithoutIt)
{
    const std::string key = "CLSID\\" + kClassId + "\\InprocServer32";
    ASSERT_EQ(WriteClassString(key, "", "/nonexistent/libsizeguard.so"), ERROR_SUCCESS);
    for (const std::string& classId : {kClassId, std::string("41E2C7AD-A7D5-459E-8EF5-CDB7B92EAAEF"),
                                       std::string("{not a class id}")}) {
        SizeLockWindow window(classId, MainWindowLimits());
        window.Load();
        EXPECT_EQ(window.tmrResizeLck1.Object(), nullptr) << classId;
        EXPECT_EQ(window.lblAfter.Caption(), "loaded");
        window.Unload();
    }
}
