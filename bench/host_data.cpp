// Names and meshes for the dialog benchmarks.
#include "bench/host_data.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/dialog_host.h"

namespace benchdata {

std::vector<std::string> scrambledNames(const char* prefix, long count) {
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(std::max(count, 0L)));
    char text[64];
    // i * 7919 mod a prime above count visits distinct numbers in a scattered order.
    const long long prime = 1000003;
    for (long i = 0; i < count; ++i) {
        std::snprintf(text, sizeof text, "%s %07lld", prefix, (static_cast<long long>(i) * 7919) % prime);
        names.emplace_back(text);
    }
    return names;
}

long lastInSortedOrder(const std::vector<std::string>& names) {
    return static_cast<long>(std::max_element(names.begin(), names.end()) - names.begin());
}

void fillMesh(MeshWithAnimations& host, long animationCount) {
    std::vector<std::string> names = scrambledNames("Anim", animationCount);
    host.animations.assign(static_cast<size_t>(animationCount), MeshAnimation{});
    for (long i = 0; i < animationCount; ++i) {
        MeshAnimation& animation = host.animations[static_cast<size_t>(i)];
        animation.speed = 30;
        animation.AnimationFlags = ANIMATION_LOOP;
        std::snprintf(animation.name, sizeof animation.name, "%s", names[static_cast<size_t>(i)].c_str());
    }
    host.mesh = Mesh{};
    host.mesh.animationCount = static_cast<int32_t>(animationCount);
    host.mesh.animations = host.animations.data();
    host.mesh.fakeShadowSize = 1.5f;
    for (int i = 0; i < 8; ++i) host.mesh.lodRange[i] = static_cast<float>(100 * (i + 1));
    std::snprintf(host.mesh.name, sizeof host.mesh.name, "Benchmark mesh");
}

INT_PTR CALLBACK cancellingProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_COMMAND || LOWORD(wordParam) != IDCANCEL) return FALSE;
    DialogHost::endDialog(dialog, 0);
    return TRUE;
}

}  // namespace benchdata
