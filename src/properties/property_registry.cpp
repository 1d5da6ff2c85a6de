// CPropertyRegistry construction, lookups and module start-up.
#include "properties/property_registry.h"

#include <atomic>
#include <mutex>
#include <stdexcept>

#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"

namespace {
// Created once by whichever thread asks first; afterwards only read, without the lock.
std::atomic<CPropertyRegistry*> g_registry{nullptr};
std::mutex g_registryMutex;

// Whatever module shutdown left is deleted at exit.
struct RegistryAtExit {
    ~RegistryAtExit() { delete g_registry.exchange(nullptr); }
} g_registryAtExit;
}  // namespace

CPropertyRegistry& CPropertyRegistry::instance() {
    if (CPropertyRegistry* registry = g_registry.load(std::memory_order_acquire)) return *registry;
    std::lock_guard<std::mutex> lock(g_registryMutex);
    CPropertyRegistry* registry = g_registry.load(std::memory_order_relaxed);
    if (!registry) {
        registry = new CPropertyRegistry();
        g_registry.store(registry, std::memory_order_release);
    }
    return *registry;
}

void CPropertyRegistry::destroyInstance() {
    std::lock_guard<std::mutex> lock(g_registryMutex);
    delete g_registry.exchange(nullptr, std::memory_order_acq_rel);
}

CPropertyRegistry::CPropertyRegistry() {
    using namespace nx;
    auto add = [this](Property* p) {
        prototypes_.emplace_back(p);
        names_.push_back(p->typeName());
    };
    add(new Name);
    add(new Color);
    add(new X);
    add(new Y);
    add(new Z);
    add(new Selected);
    add(new Weight);
    add(new Visited);
    add(new String);
    add(new PropertyTemplate::Int);
    add(new PropertyTemplate::Real);
    add(new PropertyTemplate::Bool);
    add(new PropertyTemplate::Pointer);
    add(new AuxInt1);
    add(new AuxInt2);
    add(new AuxInt3);
    add(new AuxReal1);
    add(new AuxReal2);
    add(new AuxFlag1);
}

CPropertyRegistry::~CPropertyRegistry() = default;

void CPropertyRegistry::checkId(std::size_t typeId) const {
    if (typeId >= prototypes_.size())
        throw std::runtime_error("Ramulo Control: Property type ID " + std::to_string(typeId) +
                                 " does not exist.");
}

const std::string& CPropertyRegistry::typeNameOf(std::size_t typeId) const {
    checkId(typeId);
    return names_[typeId];
}

std::size_t CPropertyRegistry::typeIdOf(const std::string& typeName) const {
    for (std::size_t i = 0; i < prototypes_.size(); ++i)
        if (prototypes_[i]->typeName() == typeName) return i;
    throw std::runtime_error("Ramulo Control: Property " + typeName + " does not exist.");
}

const nx::Property& CPropertyRegistry::prototypeOf(std::size_t typeId) const {
    checkId(typeId);
    return *prototypes_[typeId];
}

namespace nx {
void initPropertySystem() {
    if (CPropertyRegistry::instance().typeCount() == 0)
        throw std::logic_error(nx::error_texts::kRegistryEmpty);
    initListSeparator();
}
}  // namespace nx
