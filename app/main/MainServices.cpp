#include "app/main/MainServices.h"

#include "app/windows/WindowsFileVersionSource.h"
#include "app/windows/WindowsRegistryReader.h"
#include "vcl/services/SpecialFolders.h"

#include <utility>

namespace app {

namespace {

const TWindowsRegistryReader WindowsRegistry;
const TWindowsFileVersionSource WindowsVersions;
const TMainServices* InjectedServices = nullptr;

const TMainServices& StandardServices() {
    static const TMainServices services{&WindowsRegistry, &WindowsVersions, nullptr, vcl::ProgramFileName()};
    return services;
}

} // namespace

const TMainServices& MainServices() {
    return InjectedServices ? *InjectedServices : StandardServices();
}

const TMainServices* SetMainServices(const TMainServices* services) {
    return std::exchange(InjectedServices, services);
}

} // namespace app
