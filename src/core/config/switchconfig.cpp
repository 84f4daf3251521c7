#include "core/config/switchconfig.h"

#include "core/config/globalparameters.h"

bool operator==(const PortConfig &a, const PortConfig &b)
{
    return portTie(a) == portTie(b);
}

bool operator==(const SwitchConfig &a, const SwitchConfig &b)
{
    return configTie(a) == configTie(b);
}

SwitchDefaults buildDefaults(const ProductRecord &model)
{
    SwitchDefaults d;
    PortConfig &p = d.port;
    p.flowControl = 0;
    p.adminState = 1;
    p.jumboFrames = 0;
    p.broadcastStormProtection = 0;
    p.broadcastStormThreshold = 100;
    p.multicastStormProtection = 0;
    p.multicastStormThreshold = 100;
    p.portQosTrustMode = quint8(globalParameter(GlobalId::QosTrustMode).defaultAt(0));
    p.alarmLink = 0;
    p.autoNeg = 1;
    p.speed = kSpeed100;
    p.duplexMode = 2;
    p.autoCrossing = 1;
    p.mdiState = 0;
    p.eee = 0;
    p.poeAdminState = model.hasPoEPorts() ? 1 : 0;
    p.poePriority = 1;
    p.allowedPoEClasses = {0, 1, 2, 3, 4, kNoPoEClass, kNoPoEClass, kNoPoEClass};
    p.vlanId = 1;
    p.portPriority = 0;
    p.allowedPoEOverride = 0;
    return d;
}

void resetToDefaults(SwitchConfig &config)
{
    const ProductRecord &model = config.model();
    const SwitchDefaults d = buildDefaults(model);

    config.componentId.fill(0);
    config.fileRelease = d.fileRelease;
    // trafficClassScheme is deliberately left as a loaded file set it.
    resetGlobalParameters(config);

    if (config.portCount() == 0)
        return;

    for (int i = 0; i < config.portCount(); ++i) {
        PortConfig &port = config.ports[i];
        port = d.port;
        port.speed = d.port.speed + 1;
        if (model.lacksPoE(i)) {
            // A port without PoE on a PoE model: off, and no class allowed.
            port.poeAdminState = 0;
            port.allowedPoEClasses.fill(kNoPoEClass);
        }
    }
    const GlobalParameter &trust = globalParameter(GlobalId::QosTrustMode);
    trust.store(config, 0, trust.defaultAt(0));
}

SwitchConfig defaultConfiguration(int index)
{
    SwitchConfig config;
    config.modelIndex = index;
    resetToDefaults(config);
    return config;
}
