// The player's map: OpenStreetMap tiles under the recording's route and a marker at the
// car's position. The program calls:
//   setLatLag('lng', 'lat')      move the marker there (decimal degrees, longitude first)
//   ORXSetRoute([[lng, lat], ...]) the whole route of the recording being played
//   ORXDebug('text')             a notice for whoever looks at the page's log
//   ORXSetTexts({tilesFailed: '...'}) the page's texts in the program's language
// and, to look inside: ORXMarkerPosition(), ORXRoutePointCount(), ORXDebugTexts(),
// ORXTilesFailed().
'use strict';

var orxMap = L.map('map', { zoomControl: true, attributionControl: true }).setView([20, 0], 2);
L.Icon.Default.imagePath = 'images/';

var orxTiles = L.tileLayer('https://tile.openstreetmap.org/{z}/{x}/{y}.png', {
    maxZoom: 19,
    attribution: '&copy; <a href="https://www.openstreetmap.org/copyright">OpenStreetMap</a> contributors'
}).addTo(orxMap);

var orxRoute = L.polyline([], { color: '#f5a623', weight: 4, opacity: 0.9 }).addTo(orxMap);
var orxMarker = null;
var orxDebugTexts = [];
var orxTileLoaded = false;
var orxTileFailed = false;

// Without a network every tile fails: say so once, and keep route and marker visible.
orxTiles.on('tileerror', function () {
    orxTileFailed = true;
    if (!orxTileLoaded)
        document.getElementById('notice').hidden = false;
});
orxTiles.on('tileload', function () {
    orxTileLoaded = true;
    document.getElementById('notice').hidden = true;
});

function orxNumber(text) {
    var value = parseFloat(text);
    return isFinite(value) ? value : null;
}

function setLatLag(lng, lat) {
    var longitude = orxNumber(lng), latitude = orxNumber(lat);
    if (longitude === null || latitude === null || Math.abs(latitude) > 90 || Math.abs(longitude) > 180)
        return false;
    var place = L.latLng(latitude, longitude);
    if (orxMarker === null) {
        orxMarker = L.marker(place, { keyboard: false }).addTo(orxMap);
        orxMap.setView(place, Math.max(orxMap.getZoom(), 15), { animate: false });
    } else {
        orxMarker.setLatLng(place);
        orxMap.panTo(place, { animate: false });
    }
    return true;
}

function ORXSetRoute(points) {
    var places = [];
    if (Array.isArray(points)) {
        for (var i = 0; i < points.length; ++i) {
            var p = points[i];
            if (!Array.isArray(p) || p.length < 2)
                continue;
            var longitude = orxNumber(p[0]), latitude = orxNumber(p[1]);
            if (longitude === null || latitude === null || Math.abs(latitude) > 90 || Math.abs(longitude) > 180)
                continue;
            places.push(L.latLng(latitude, longitude));
        }
    }
    orxRoute.setLatLngs(places);
    if (places.length > 0)
        orxMap.fitBounds(orxRoute.getBounds(), { maxZoom: 16, padding: [16, 16], animate: false });
    return places.length;
}

function ORXDebug(text) {
    orxDebugTexts.push(String(text));
    if (orxDebugTexts.length > 100)
        orxDebugTexts.shift();
    console.log('ORXDebug: ' + text);
}

function ORXSetTexts(texts) {
    if (texts && typeof texts.tilesFailed === 'string' && texts.tilesFailed.length > 0)
        document.getElementById('notice').textContent = texts.tilesFailed;
}

function ORXMarkerPosition() {
    if (orxMarker === null)
        return null;
    var place = orxMarker.getLatLng();
    return [place.lat, place.lng];
}

function ORXRoutePointCount() { return orxRoute.getLatLngs().length; }
function ORXDebugTexts() { return orxDebugTexts.slice(); }
function ORXTilesFailed() { return orxTileFailed && !orxTileLoaded; }
