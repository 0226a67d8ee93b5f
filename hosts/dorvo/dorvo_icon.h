// The panel's own window icon, in the program's resource module "dorvo".
#pragma once

void RegisterDorvoIcon();
