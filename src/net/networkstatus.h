#pragma once

/// The numbered status events the network module and the version manager
/// report through `notifyNetworkStatus`; the main window shows their texts.
enum NetworkStatus {
    NS_UpdateServicesUnreachable = 2011, ///< every version-check endpoint failed
    NS_ImageLoaded = 2100,
    NS_PageParsingError = 2101, ///< page processing yielded no tree
    NS_IndexPageLoaded = 2102,
    NS_ArticlePageLoaded = 2103,
    NS_ReadFailed = 2104,    ///< a finished reply can't be read
    NS_DiscardedData = 2105, ///< a reply of kind 0 finished
    NS_ConnectionFailure = 2106,
    NS_TransferTimeout = 2107,
    NS_OperationCanceled = 2108,
    NS_ProxyError = 2109,
    NS_RemoteContentError = 2110,
    NS_OperationFailed = 2111,
    NS_Connecting = 2112,    ///< a request was issued; arg1 is its URL
    NS_ConnectFailed = 2113, ///< no reply object could be made
    NS_BytesReceived = 2114, ///< download progress; arg1 is the byte count
};
