#include "ORXSettingPageModels.h"

#include "ORXAudioPageModel.h"
#include "ORXAuxPageModel.h"
#include "ORXBasicPageModel.h"
#include "ORXGpsPageModel.h"
#include "ORXMotionPageModel.h"
#include "ORXObdPageModel.h"
#include "ORXVideoPageModel.h"

#include <memory>

namespace ORXSettingPageModels {

const std::vector<const ORXSettingPageModel*>& all()
{
    // One line per page, in tab order: video, basic, gps, aux, motion, audio; then obd.
    static const std::vector<std::shared_ptr<const ORXSettingPageModel>> owned{
        std::make_shared<ORXVideoPageModel>(),
        std::make_shared<ORXBasicPageModel>(),
        std::make_shared<ORXGpsPageModel>(),
        std::make_shared<ORXAuxPageModel>(),
        std::make_shared<ORXMotionPageModel>(),
        std::make_shared<ORXAudioPageModel>(),
        std::make_shared<ORXObdPageModel>(),
    };
    static const std::vector<const ORXSettingPageModel*> models = [] {
        std::vector<const ORXSettingPageModel*> list;
        for (const auto& model : owned)
            list.push_back(model.get());
        return list;
    }();
    return models;
}

const ORXSettingPageModel* byName(const QString& name)
{
    for (const ORXSettingPageModel* model : all()) {
        if (model->name() == name)
            return model;
    }
    return nullptr;
}

} // namespace ORXSettingPageModels
