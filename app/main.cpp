#include "app/application.h"
#include "app/platform_runtime.h"

int main() {
    auto runtime = makePlatformRuntime();
    Application application(*runtime);
    application.run();
    return 0;
}
