#pragma once

// Names shared by the application, the droplet program and the service provider: what a relay
// file holds, where a launcher keeps its configuration and how the programs are called.
namespace DropletKeys {

inline constexpr char kRelayFileName[] = "com.quorlix.Torvane.tvd";
inline constexpr char kDroppedFiles[] = "Dropped Files";
inline constexpr char kDropletInstanceIdentifier[] = "Droplet Instance Identifier";

// The launcher's own group and its keys.
inline constexpr char kDropletGroup[] = "X-Torvane Droplet";
inline constexpr char kLprojPayload[] = "LprojPayload";
inline constexpr char kDropletConfigurationPlaceholder[] = "DropletConfigurationPlaceholder";
inline constexpr char kInstanceAttribute[] = "user.torvane.application-instance";

// The external droplet configurations, in the application support folder.
inline constexpr char kDropletsFolder[] = "Droplets";
inline constexpr char kDropletConfigurationExtension[] = "tvd";
inline constexpr char kServicesFolder[] = "Services";

inline constexpr char kApplicationProgram[] = "torvane";
inline constexpr char kDropletProgram[] = "torvane-droplet";
inline constexpr char kServiceProviderProgram[] = "torvane-service-provider";
// The provider's argument that names the service definition of a file-manager action.
inline constexpr char kServiceOption[] = "--service";

}  // namespace DropletKeys
