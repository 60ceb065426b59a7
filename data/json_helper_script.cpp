#include "data/json_helper_script.h"

#include <array>

namespace om {
namespace {

// Adjacent raw literals join into one line: no piece holds a line break, and the script keeps
// every "\n" and "\r" below as escape sequences for the engine to read.
//
// get__count: the length of an array, 0 for anything else (an object with a length member too).
// get__name_All: the first-level member names of a plain object that are no functions (so the
// inherited toJSONString and parseJSON stay out), joined by carriage return and line feed.
// get__extend: arrays are appended to; object members are merged by the type of the target's
// member. A number member is replaced by the source's value like a text or boolean member:
// that keeps the merge of two JSON answers plain (the newer value wins) and never turns a
// number into a merged object. Function members (the inherited helpers) are left alone.
constexpr std::string_view kHelpers =
    R"JS(function get__count(c){if(Object.prototype.toString.call(c)==='[object Array]'){return c.length;}return 0;})JS"
    R"JS(function get__name_All(a){var k,names=[];if(Object.prototype.toString.call(a)!=='[object Object]'){return '';})JS"
    R"JS(for(k in a){if(typeof a[k]!=='function'){names.push(k);}}return names.join('\r\n');})JS"
    R"JS(function get__extend(t,s){var i,k;if(Object.prototype.toString.call(t)==='[object Array]'){)JS"
    R"JS(for(i=0;i<s.length;i+=1){t.push(s[i]);}return t;})JS"
    R"JS(for(k in s){switch(typeof t[k]){case 'string':case 'boolean':case 'undefined':case 'number':t[k]=s[k];break;)JS"
    R"JS(case 'object':t[k]=get__extend(t[k],s[k]);break;default:break;}}return t;})JS";

// The JSON section runs inside one function called once with the global object, so its state
// (gap, indent, rep) and inner helpers stay private. Every definition is guarded: an engine
// that already has them keeps its own.
constexpr std::string_view kJson =
    R"JS((function(global){'use strict';)JS"
    R"JS(var gap,indent,rep,)JS"
    R"JS(meta={'\b':'\\b','\t':'\\t','\n':'\\n','\f':'\\f','\r':'\\r','"':'\\"','\\':'\\\\'},)JS"
    R"JS(escapable=/[\\\"\u0000-\u001f\u007f-\u009f\u00ad\u0600-\u0604\u070f\u17b4\u17b5\u200c-\u200f\u2028-\u202f\u2060-\u206f\ufeff\ufff0-\uffff]/g,)JS"
    R"JS(cx=/[\u0000\u00ad\u0600-\u0604\u070f\u17b4\u17b5\u200c-\u200f\u2028-\u202f\u2060-\u206f\ufeff\ufff0-\uffff]/g;)JS"
    R"JS(function pad2(n){return n<10?'0'+n:String(n);})JS"
    R"JS(function hex4(ch){return '\\u'+('0000'+ch.charCodeAt(0).toString(16)).slice(-4);})JS"
    R"JS(function isArray(v){return Object.prototype.toString.apply(v)==='[object Array]';})JS"
    R"JS(function own(o,k){return Object.prototype.hasOwnProperty.call(o,k);})JS"
    R"JS(if(typeof global.JSON!=='object'){global.JSON={};})JS"
    R"JS(var json=global.JSON;)JS"
    R"JS(if(typeof Date.prototype.toJSON!=='function'){)JS"
    R"JS(Date.prototype.toJSON=function(){return isFinite(this.valueOf())?this.getUTCFullYear()+'-'+pad2(this.getUTCMonth()+1)+'-'+)JS"
    R"JS(pad2(this.getUTCDate())+'T'+pad2(this.getUTCHours())+':'+pad2(this.getUTCMinutes())+':'+pad2(this.getUTCSeconds())+'Z':null;};)JS"
    R"JS(String.prototype.toJSON=Number.prototype.toJSON=Boolean.prototype.toJSON=function(){return this.valueOf();};})JS"
    R"JS(function quote(s){escapable.lastIndex=0;if(!escapable.test(s)){return '"'+s+'"';})JS"
    R"JS(return '"'+s.replace(escapable,function(ch){var m=meta[ch];return typeof m==='string'?m:hex4(ch);})+'"';})JS"
    R"JS(function wrap(open,close,parts,mind){if(parts.length===0){return open+close;})JS"
    R"JS(if(gap){return open+'\n'+gap+parts.join(',\n'+gap)+'\n'+mind+close;}return open+parts.join(',')+close;})JS"
    R"JS(function member(k,v,parts){var t=str(k,v);if(t){parts.push(quote(k)+(gap?': ':':')+t);}})JS"
    R"JS(function str(key,holder){var i,n,k,out,mind=gap,parts=[],value=holder[key];)JS"
    R"JS(if(value&&typeof value==='object'&&typeof value.toJSON==='function'){value=value.toJSON(key);})JS"
    R"JS(if(typeof rep==='function'){value=rep.call(holder,key,value);})JS"
    R"JS(switch(typeof value){case 'string':return quote(value);)JS"
    R"JS(case 'number':return isFinite(value)?String(value):'null';)JS"
    R"JS(case 'boolean':return String(value);)JS"
    R"JS(case 'object':if(!value){return 'null';}gap+=indent;)JS"
    R"JS(if(isArray(value)){n=value.length;for(i=0;i<n;i+=1){parts[i]=str(i,value)||'null';})JS"
    R"JS(out=wrap('[',']',parts,mind);gap=mind;return out;})JS"
    R"JS(if(rep&&typeof rep==='object'){n=rep.length;for(i=0;i<n;i+=1){if(typeof rep[i]==='string'){member(rep[i],value,parts);}}})JS"
    R"JS(else{for(k in value){if(own(value,k)){member(k,value,parts);}}})JS"
    R"JS(out=wrap('{','}',parts,mind);gap=mind;return out;)JS"
    R"JS(default:return undefined;}})JS"
    R"JS(if(typeof json.stringify!=='function'){json.stringify=function(value,replacer,space){var i;gap='';indent='';)JS"
    R"JS(if(typeof space==='number'){for(i=0;i<space;i+=1){indent+=' ';}}else if(typeof space==='string'){indent=space;})JS"
    R"JS(rep=replacer;if(replacer&&typeof replacer!=='function'&&(typeof replacer!=='object'||typeof replacer.length!=='number')){)JS"
    R"JS(throw new Error('JSON.stringify');}return str('',{'':value});};})JS"
    R"JS(if(typeof json.parse!=='function'){json.parse=function(text,reviver){var j;)JS"
    R"JS(function walk(holder,key){var k,v,value=holder[key];if(value&&typeof value==='object'){for(k in value){if(own(value,k)){)JS"
    R"JS(v=walk(value,k);if(v!==undefined){value[k]=v;}else{delete value[k];}}}}return reviver.call(holder,key,value);})JS"
    R"JS(text=String(text);cx.lastIndex=0;if(cx.test(text)){text=text.replace(cx,hex4);})JS"
    R"JS(if(/^[\],:{}\s]*$/.test(text.replace(/\\(?:["\\\/bfnrt]|u[0-9a-fA-F]{4})/g,'@'))JS"
    R"JS(.replace(/"[^"\\\n\r]*"|true|false|null|-?\d+(?:\.\d*)?(?:[eE][+\-]?\d+)?/g,']'))JS"
    R"JS(.replace(/(?:^|:|,)(?:\s*\[)+/g,''))){j=eval('('+text+')');)JS"
    R"JS(return typeof reviver==='function'?walk({'':j},''):j;}throw new SyntaxError('JSON.parse');};})JS"
    R"JS(if(!Object.prototype.toJSONString){Object.prototype.toJSONString=function(filter){return json.stringify(this,filter);};)JS"
    R"JS(Object.prototype.parseJSON=function(filter){return json.parse(String(this),filter);};})JS"
    R"JS(}(this));)JS";

constexpr auto kScript = [] {
  std::array<char, kHelpers.size() + kJson.size()> all{};
  for (size_t i = 0; i < kHelpers.size(); ++i) all[i] = kHelpers[i];
  for (size_t i = 0; i < kJson.size(); ++i) all[kHelpers.size() + i] = kJson[i];
  return all;
}();

}  // namespace

std::string_view JsonHelperScript() {
  return std::string_view(kScript.data(), kScript.size());
}

}  // namespace om
