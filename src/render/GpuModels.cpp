#include "render/GpuModels.h"

#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"

namespace dusk {

namespace {

template <typename Gpu, typename Map, typename Model>
const Gpu& uploaded(Map& map, const std::shared_ptr<const Model>& model) {
    auto found = map.find(model.get());
    if (found == map.end()) {
        found = map.emplace(model.get(),
                            typename Map::mapped_type{model, std::make_unique<Gpu>(*model)})
                    .first;
    }
    return *found->second.gpu;
}

}  // namespace

const GpuStaticModel& GpuModels::of(const std::shared_ptr<const StaticModel>& model) {
    return uploaded<GpuStaticModel>(statics, model);
}

const GpuSkinnedModel& GpuModels::of(const std::shared_ptr<const SkinnedModel>& model) {
    return uploaded<GpuSkinnedModel>(skinned, model);
}

}  // namespace dusk
