#include "framework/setting_keys.h"

#include "framework/parametres.h"

bool ReadSetting(TParametres &store, const TSettingKey<bool> &key)
{
    return store.ReadBoolean(key.Name, key.Default);
}

int32_t ReadSetting(TParametres &store, const TSettingKey<int32_t> &key)
{
    return store.ReadInteger(key.Name, key.Default);
}

double ReadSetting(TParametres &store, const TSettingKey<double> &key, double dynamicDefault)
{
    return store.ReadDateTime(key.Name, key.Default != 0 ? key.Default : dynamicDefault);
}

std::string ReadSetting(TParametres &store, const TSettingKey<const char *> &key)
{
    return store.ReadString(key.Name, key.Default);
}
